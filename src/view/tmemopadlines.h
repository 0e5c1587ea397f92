#pragma once

#include "fixedadvancelines.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTextOption>

#include <vector>

class QTextBlock;
class QTextDocument;

// How many lines a block takes when wrapped to a width, found without
// keeping a layout: a block that cannot reach the width is one line, plain
// text in a fixed-advance font is counted by arithmetic, any other block
// is laid out once on a scratch layout and dropped again. The answer
// equals the document layout's, which lays out with the same font, option
// and width.
class BlockLineCounter
{
public:
    // width is the line width the layout uses; 0 or less means no limit.
    BlockLineCounter(const QFont &font, const QTextOption &option, qreal width);

    int Count(const QTextBlock &block);
    // Drops what Count keeps in the block about its text; called when the
    // text changes.
    static void ForgetText(QTextBlock block);
    // Notes what Count keeps about the text of every block, from the text
    // the document was just given (blocks split at line feeds), so that
    // the first count need not read the blocks back.
    static void NoteTexts(QTextDocument &document, QStringView text);

private:
    float Advance(char16_t c);
    // True when every character has a known advance and all of them,
    // tabs at a full tab stop, cannot exceed the width.
    bool FitsOnOneLine(QStringView text);
    static bool HasSeveralFormats(const QTextBlock &block);
    // True when what a block's state keeps about its text shows it fits.
    bool OneLineByState(int state) const;

    QFont m_font;
    QFontMetricsF m_metrics;
    QTextOption m_option;
    qreal m_width;
    qreal m_tabStop;
    std::optional<FixedAdvanceLines> m_fixedAdvance;
    // Advance of each UTF-16 unit in the font; 0 not looked up yet, -1 for
    // units whose width the font alone does not decide.
    std::vector<float> m_advances;
};
