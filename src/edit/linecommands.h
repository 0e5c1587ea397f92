#pragma once

#include "editcommand.h"

#include <QLocale>

// Delete Line: the selection, or else the caret's line with its line break.
// On the last line the break before it stays, leaving an empty last line.
std::optional<TextEdit> DeleteLine(const EditRequest &request);

// Whether Tab indents the selected lines rather than typing a tab: with a
// selection over several lines, or one that covers all non-blank text of
// its line.
bool TabIndentsLines(const EditRequest &request);
// The line without one level of indent: a leading tab, or the leading
// spaces within the first tabWidth characters plus a tab right after them.
QString UnindentedLine(const QString &line, int tabWidth);
// Tabify (indent) or untabify the selected lines; the caret's line when
// nothing is selected. Nothing when no line changes.
std::optional<TextEdit> IndentLines(const EditRequest &request, bool indent, int tabWidth);

// Sorts the selected lines, ignoring case, in the locale's order; needs a
// selection that reaches into at least two lines.
std::optional<TextEdit> SortLines(
    const EditRequest &request, bool ascending, const QLocale &locale = QLocale::system());

// text in place of the selection, the caret after it; nothing for no text.
std::optional<TextEdit> InsertText(const EditRequest &request, const QString &text);
