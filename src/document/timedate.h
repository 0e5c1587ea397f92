#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The time without seconds and the date, in the locale's short formats,
// joined by a blank.
QString TimeDateText(const QLocale &locale, const QDateTime &when);
// The same for now, in the user's locale.
QString TimeDateText();
