#pragma once

#include "editcommand.h"

#include <QString>
#include <QStringView>

#include <optional>

enum class CaseMode { Upper, Lower, Sentence, Title, Invert };

// The text with its letters converted; the length never changes, as every
// UTF-16 unit is mapped on its own.
QString ConvertCaseText(QStringView text, CaseMode mode);

// The selection converted and selected again; nothing without a selection.
std::optional<TextEdit> ConvertCase(const EditRequest &request, CaseMode mode);
