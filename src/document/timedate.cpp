#include "timedate.h"

QString TimeDateText(const QLocale &locale, const QDateTime &when)
{
    return locale.toString(when.time(), QLocale::ShortFormat) + QLatin1Char(' ')
        + locale.toString(when.date(), QLocale::ShortFormat);
}

QString TimeDateText()
{
    return TimeDateText(QLocale::system(), QDateTime::currentDateTime());
}
