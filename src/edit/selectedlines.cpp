#include "selectedlines.h"

SelectedLines FindSelectedLines(const EditRequest &request)
{
    const EditSource &source = request.source;
    SelectedLines lines;
    lines.first = source.LineFromChar(request.SelStart());
    lines.last = source.LineFromChar(request.SelEnd());
    lines.blockStart = source.LineStart(lines.first);
    lines.blockEnd = source.LineStart(lines.last) + source.LineLength(lines.last);
    return lines;
}

QStringList ReadLines(const EditSource &source, const SelectedLines &lines)
{
    return source.TextRange(lines.blockStart, lines.blockEnd).split(QStringLiteral("\r\n"));
}

TextEdit ReplacingLines(const SelectedLines &lines, const QStringList &texts)
{
    return { lines.blockStart, lines.blockEnd, texts.join(QStringLiteral("\r\n")), true };
}
