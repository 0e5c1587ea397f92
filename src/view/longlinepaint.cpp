#include "longlinepaint.h"

#include "tmemopadlines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

// Characters drawn either side of the clip, and how far to look beyond
// them for a blank to cut at, so that the part is shaped as in the line.
constexpr int Margin = 8;
constexpr int BlankSearch = 64;

struct Part
{
    int from = 0;
    int to = 0;
    QString text;
};

// Where x falls in the line, refined from an estimate with the line's own
// positions: the layout's xToCursor gives the end of the line for any x
// once the line's width is beyond its fixed-point range.
int PositionAtX(const QTextLine &line, qreal x, int length, qreal advance)
{
    int position = std::clamp(int(x / advance), 0, length);
    for (int step = 0; step < 8; ++step) {
        const int next
            = std::clamp(position + int((x - line.cursorToX(position)) / advance), 0, length);
        if (next == position)
            break;
        position = next;
    }
    return position;
}

std::optional<Part> PartInClip(
    const QTextBlock &block, const QTextLine &line, qreal left, qreal right)
{
    const int length = block.length() - 1;
    const qreal advance
        = std::max<qreal>(1, QFontMetricsF(block.document()->defaultFont()).averageCharWidth());
    int first = std::max(0, PositionAtX(line, left, length, advance) - Margin);
    int last = std::min(length, PositionAtX(line, right, length, advance) + Margin);
    // The part must reach past both edges of the clip.
    for (int step = 0; first > 0 && line.cursorToX(first) > left; ++step) {
        if (step == 8)
            return std::nullopt;
        first = std::max(0, first - Margin);
    }
    for (int step = 0; last < length && line.cursorToX(last) < right; ++step) {
        if (step == 8)
            return std::nullopt;
        last = std::min(length, last + Margin);
    }
    const int readFrom = std::max(0, first - BlankSearch);
    const int readTo = std::min(length, last + BlankSearch);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + readFrom);
    cursor.setPosition(block.position() + readTo, QTextCursor::KeepAnchor);
    const QString read = cursor.selectedText();
    // The line's own ends are cuts too.
    Part part { 0, length, {} };
    if (first > 0) {
        const qsizetype blank = read.lastIndexOf(u' ', first - readFrom);
        if (blank < 0 && readFrom > 0)
            return std::nullopt;
        part.from = readFrom + int(blank) + 1;
    }
    if (last < length) {
        const qsizetype blank = read.indexOf(u' ', last - readFrom);
        if (blank < 0 && readTo < length)
            return std::nullopt;
        part.to = blank < 0 ? length : readFrom + int(blank);
    }
    part.text = read.sliced(part.from - readFrom, part.to - part.from);
    if (part.text.contains(u'\t'))
        return std::nullopt;
    return part;
}

// The selections moved to the part; one running past the part's end leaves
// the line break unselected unless the part ends with the block.
QList<QTextLayout::FormatRange> SelectionsInPart(
    const QTextBlock &block, const Part &part, const QList<QTextLayout::FormatRange> &selections)
{
    const int end = part.to == block.length() - 1 ? part.to + 1 : part.to;
    QList<QTextLayout::FormatRange> moved;
    for (const QTextLayout::FormatRange &range : selections) {
        const int start = std::max(range.start, part.from);
        const int stop = std::min(range.start + range.length, end);
        if (stop > start)
            moved.append({ start - part.from, stop - start, range.format });
    }
    return moved;
}

} // namespace

bool PaintLongLine(QPainter &painter, const QTextBlock &block, QPointF offset, const QRect &clip,
    const QList<QTextLayout::FormatRange> &selections)
{
    QTextLayout *layout = block.layout();
    const QTextOption option = block.document()->defaultTextOption();
    if (layout->lineCount() != 1 || !layout->preeditAreaText().isEmpty()
        || option.wrapMode() != QTextOption::NoWrap
        || !(option.alignment() & (Qt::AlignLeft | Qt::AlignLeading))
        || !BlockLineCounter::IsPlain(block))
        return false;
    const QTextLine line = layout->lineAt(0);
    const QPointF origin = offset + layout->position();
    const std::optional<Part> part
        = PartInClip(block, line, clip.left() - origin.x(), clip.right() + 1 - origin.x());
    if (!part)
        return false;

    QTextLayout partLayout(part->text, block.document()->defaultFont());
    partLayout.setTextOption(option);
    partLayout.setPosition(layout->position());
    partLayout.setCacheEnabled(true);
    partLayout.beginLayout();
    QTextLine partLine = partLayout.createLine();
    partLine.setLeadingIncluded(true);
    partLine.setLineWidth(line.width());
    partLine.setPosition(QPointF(line.cursorToX(part->from), line.y()));
    partLayout.endLayout();
    // A glyph from another font elsewhere in the line can make it taller.
    if (partLine.ascent() != line.ascent() || partLine.descent() != line.descent()
        || partLine.height() != line.height())
        return false;
    partLayout.draw(&painter, offset, SelectionsInPart(block, *part, selections), clip);
    return true;
}

QList<QTextLayout::FormatRange> BlockSelections(const QTextBlock &block,
    const QAbstractTextDocumentLayout::PaintContext &context, int blockCaret,
    const QPalette &palette)
{
    QList<QTextLayout::FormatRange> ranges;
    const int blockPosition = block.position();
    const int blockLength = block.length();
    for (const QAbstractTextDocumentLayout::Selection &selection : context.selections) {
        const int start = selection.cursor.selectionStart() - blockPosition;
        const int end = selection.cursor.selectionEnd() - blockPosition;
        if (start < blockLength && end > 0 && end > start) {
            ranges.append({ start, end - start, selection.format });
        } else if (!selection.cursor.hasSelection()
            && selection.format.hasProperty(QTextFormat::FullWidthSelection)
            && block.contains(selection.cursor.position())) {
            // The whole line the position is in, with the line break at the block's end.
            const QTextLine line
                = block.layout()->lineForTextPosition(selection.cursor.position() - blockPosition);
            QTextLayout::FormatRange range { line.textStart(), line.textLength(),
                selection.format };
            if (range.start + range.length == blockLength - 1)
                ++range.length;
            ranges.append(range);
        }
    }
    if (blockCaret >= 0) {
        QTextCharFormat inverted;
        inverted.setForeground(palette.base());
        inverted.setBackground(palette.text());
        ranges.append({ blockCaret, 1, inverted });
    }
    return ranges;
}
