#pragma once

#include <QString>

#include <optional>

// The clipboard may be held by another program for a moment: both try six
// times, waiting 50, 100, 150, 200 and 250 ms between attempts.

// The clipboard's text (empty when it holds none); nothing when it stayed busy.
std::optional<QString> ReadClipboardText();
// Puts text on the clipboard; on the last failure shows the failure's text
// in an error box when showError is set and the text is not empty.
bool CopyTextToClipboard(const QString &text, bool showError);
