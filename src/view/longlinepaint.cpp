#include "longlinepaint.h"

#include "fixedadvancelines.h"
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

struct Part
{
    int from = 0;
    int to = 0;
    // Where the part starts in the line.
    qreal x = 0;
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

// The whole shaping runs that cover the clip, so that the part is shaped
// exactly as in the line. Nothing where the line's positions have left the
// fixed-point range.
std::optional<Part> PartInClip(
    const QTextBlock &block, const QTextLine &line, qreal left, qreal right)
{
    constexpr int MaxRuns = 4;
    const int length = block.length() - 1;
    const qreal advance
        = std::max<qreal>(1, QFontMetricsF(block.document()->defaultFont()).averageCharWidth());
    Part part;
    part.from = PositionAtX(line, left, length, advance) / LayoutRunLength * LayoutRunLength;
    part.x = line.cursorToX(part.from);
    if (part.x > left && part.from > 0) {
        part.from -= LayoutRunLength;
        part.x = line.cursorToX(part.from);
    }
    // Left of the line's start is only its margin.
    if ((part.x > left && part.from > 0) || part.x < 0)
        return std::nullopt;
    part.to = part.from;
    qreal end = part.x;
    for (int runs = 0; end < right && part.to < length; ++runs) {
        if (runs == MaxRuns)
            return std::nullopt;
        part.to = std::min(length, part.to + LayoutRunLength);
        const qreal x = line.cursorToX(part.to);
        if (x < end)
            return std::nullopt;
        end = x;
    }
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + part.from);
    cursor.setPosition(block.position() + part.to, QTextCursor::KeepAnchor);
    part.text = cursor.selectedText();
    return part;
}

// The text layout starts a new run where the format changes too.
bool OneFormat(const QTextBlock &block)
{
    QTextBlock::iterator it = block.begin();
    const int format = it.atEnd() ? -1 : it.fragment().charFormatIndex();
    for (; !it.atEnd(); ++it)
        if (it.fragment().charFormatIndex() != format)
            return false;
    return true;
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
        || !BlockLineCounter::IsPlainWithoutTabs(block) || !OneFormat(block))
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
    partLine.setPosition(QPointF(part->x, line.y()));
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
