#include "fileform.h"

LineEnds LineEndsOf(QStringView fileText)
{
    if (fileText.contains(u'\r') || !fileText.contains(u'\n'))
        return LineEnds::CrLf;
    return LineEnds::Lf;
}

QString WithLineEnds(QString programText, LineEnds lineEnds)
{
    if (lineEnds != LineEnds::Lf)
        return programText;
    // One pass in place: QString::replace moves the rest of the text for
    // every break it shortens.
    char16_t *text = reinterpret_cast<char16_t *>(programText.data());
    const qsizetype length = programText.size();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < length; ++i) {
        if (!(text[i] == u'\r' && i + 1 < length && text[i + 1] == u'\n'))
            text[kept++] = text[i];
    }
    programText.truncate(kept);
    return programText;
}
