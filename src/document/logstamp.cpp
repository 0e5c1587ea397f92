#include "logstamp.h"

std::optional<TextEdit> LogStamp(const EditSource &text, const QString &timeDate)
{
    const int length = text.TextLength();
    if (text.TextRange(0, qMin(length, 6)).section(u'\r', 0, 0) != u".LOG")
        return std::nullopt;
    const bool lastLineEnded = text.TextRange(qMax(length - 2, 0), length) == u"\r\n";
    const QString stamp
        = (lastLineEnded ? QString() : QStringLiteral("\r\n")) + QStringLiteral("\r\n") + timeDate;
    return TextEdit { length, length, stamp, false };
}
