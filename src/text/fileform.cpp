#include "fileform.h"

LineEnds LineEndsOf(QStringView fileText)
{
    if (fileText.contains(u'\r') || !fileText.contains(u'\n'))
        return LineEnds::CrLf;
    return LineEnds::Lf;
}

QString WithLineEnds(QString programText, LineEnds lineEnds)
{
    if (lineEnds == LineEnds::Lf)
        programText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return programText;
}
