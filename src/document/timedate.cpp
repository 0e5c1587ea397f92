#include "timedate.h"

#include "platform/timeformat.h"

QString TimeDateText(const QLocale &locale, const QDateTime &when)
{
    // Some short time formats carry seconds; the stamp never does.
    const QString timeFormat = TimeFormatWithoutSeconds(locale.timeFormat(QLocale::ShortFormat));
    return locale.toString(when.time(), timeFormat) + QLatin1Char(' ')
        + locale.toString(when.date(), QLocale::ShortFormat);
}

QString TimeDateText()
{
    return TimeDateText(QLocale::system(), QDateTime::currentDateTime());
}
