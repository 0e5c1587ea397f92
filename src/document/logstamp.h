#pragma once

#include "edit/editcommand.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// The time without seconds and the date, in the locale's short formats.
QString TimeDateText(const QLocale &locale, const QDateTime &when);

// A text whose first line is exactly ".LOG" gets an empty line and the time
// stamp appended, the caret after it. Reads only the first six and the last
// two characters.
std::optional<TextEdit> LogStamp(const EditSource &text, const QString &timeDate);
