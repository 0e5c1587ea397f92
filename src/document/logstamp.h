#pragma once

#include "edit/editcommand.h"

#include <QString>

#include <optional>

// A text whose first line is exactly ".LOG" gets an empty line and the time
// stamp appended, the caret after it. Reads only the first six and the last
// two characters.
std::optional<TextEdit> LogStamp(const EditSource &text, const QString &timeDate);
