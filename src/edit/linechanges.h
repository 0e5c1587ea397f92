#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// One line's part of an edit: in the edit's line number line (0 is the line
// the edit starts in, counted from the edit's start), the characters
// [column, column + removed) become text.
struct LineChange
{
    int line = 0;
    int column = 0;
    int removed = 0;
    QString text;

    bool operator==(const LineChange &) const = default;
};

// An edit of whole texts as changes within their lines, for a new text with
// the same CR LF breaks as the old; lines that stay are left out. The
// editor can then change each line in place instead of replacing them all.
// nullopt when the line breaks differ or either text holds a lone CR or LF,
// U+2028, U+2029, U+FDD0 or U+FDD1, which the editor keeps as stand-ins.
std::optional<std::vector<LineChange>> LineChanges(QStringView oldText, QStringView newText);
