#pragma once

#include <QAbstractTextDocumentLayout>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QTextLayout>

class QPainter;
class QPalette;
class QTextBlock;

// The text layout draws every glyph of a line on each repaint, even those
// far outside the clip, which takes a long time for a very long line.
// Draws the part of an unwrapped block's one line that lies in the clip
// from a layout of that part alone, with the same glyphs at the same
// places and the selections (block positions), as the block's layout
// would draw them at offset. False, having drawn nothing, for a block it
// cannot draw that way: not plain Latin-1 text of one format (other
// scripts may run right to left), tabs, fonts of other heights in the
// line, positions beyond the layout's range, text being composed.
bool PaintLongLine(QPainter &painter, const QTextBlock &block, QPointF offset, const QRect &clip,
    const QList<QTextLayout::FormatRange> &selections);

// The selections of the paint context within block, block positions, as
// the control hands them to the block's layout; with the caret of
// overwrite mode at blockCaret (not negative) as an inverted character.
QList<QTextLayout::FormatRange> BlockSelections(const QTextBlock &block,
    const QAbstractTextDocumentLayout::PaintContext &context, int blockCaret,
    const QPalette &palette);
