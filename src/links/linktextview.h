#pragma once

#include <QPoint>
#include <QString>

#include <optional>

// What the link finder needs of the editor, in the program's coordinates:
// 0-based character indexes over the whole text with CR LF counting two,
// 0-based lines (wrapped segments while word wrap is on), client pixels.
class LinkTextView
{
public:
    virtual ~LinkTextView() = default;

    virtual int LineCount() const = 0;
    // One line without its line break.
    virtual QString LineText(int line) const = 0;
    // Index of the line's first character; -1 when there is no such line.
    virtual int LineIndex(int line) const = 0;
    virtual int LineFromChar(int index) const = 0;
    // Text of [start, end), cut to the text.
    virtual QString TextRange(int start, int end) const = 0;

    struct PointChar
    {
        int line = 0;
        int index = 0;
        int lineStart = 0;
    };
    // The caret position nearest to a client point; nothing outside the text.
    virtual std::optional<PointChar> CharFromPoint(int x, int y) const = 0;
    // Top left client point of a character; nothing for an invalid index.
    virtual std::optional<QPoint> PosFromChar(int index) const = 0;
    // Nothing when the font gives no width.
    virtual std::optional<int> AverageCharWidth() const = 0;
    // Height of the font in pixels.
    virtual int FontHeight() const = 0;
};
