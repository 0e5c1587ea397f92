#include "fileform.h"

#include <algorithm>

LineEnds LineEndsOf(QStringView fileText)
{
    if (fileText.contains(u'\r') || !fileText.contains(u'\n'))
        return LineEnds::CrLf;
    return LineEnds::Lf;
}

QString WithLineEnds(QStringView programText, LineEnds lineEnds)
{
    if (lineEnds != LineEnds::Lf)
        return programText.toString();
    // The runs between CR LF pairs are copied whole, found by the quick search.
    QString out(programText.size(), Qt::Uninitialized);
    QChar *to = out.data();
    qsizetype from = 0;
    for (qsizetype cr; (cr = programText.indexOf(u'\r', from)) >= 0;) {
        const bool pair = cr + 1 < programText.size() && programText[cr + 1] == u'\n';
        const qsizetype run = cr + (pair ? 0 : 1) - from;
        std::copy_n(programText.data() + from, run, to);
        to += run;
        from = cr + 1;
    }
    to = std::copy_n(programText.data() + from, programText.size() - from, to);
    out.truncate(to - out.data());
    return out;
}
