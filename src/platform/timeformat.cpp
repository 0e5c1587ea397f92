#include "timeformat.h"

namespace {

bool isSecondsField(QChar c)
{
    return c == QLatin1Char('s') || c == QLatin1Char('z');
}

bool isSeparator(QChar c)
{
    return !c.isLetter() && c != QLatin1Char('\'') && !c.isSpace();
}

} // namespace

QString TimeFormatWithoutSeconds(const QString &format)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c == QLatin1Char('\'') || !isSecondsField(c)) {
            out += c;
            continue;
        }
        // Drop the separator that led up to the seconds, then the field itself
        // and a fraction after it (".zzz").
        while (!out.isEmpty() && isSeparator(out.back()))
            out.chop(1);
        while (i + 1 < format.size()
            && (isSecondsField(format.at(i + 1)) || isSeparator(format.at(i + 1))))
            ++i;
    }
    return out;
}
