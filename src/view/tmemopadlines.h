#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QTextOption>

#include <vector>

class QTextBlock;

// How many lines a block takes when wrapped to a width, found without
// keeping a layout: a block that cannot reach the width is one line, any
// other is laid out once on a scratch layout and dropped again. The answer
// equals the document layout's, which lays out with the same font, option
// and width.
class BlockLineCounter
{
public:
    // width is the line width the layout uses; 0 or less means no limit.
    BlockLineCounter(const QFont &font, const QTextOption &option, qreal width);

    int Count(const QTextBlock &block);
    // Lines of one run of plain text in the counter's font.
    int CountText(const QString &text);
    // True when every character has a known advance and all of them,
    // tabs at a full tab stop, cannot exceed the width.
    bool FitsOnOneLine(QStringView text);

private:
    float Advance(char16_t c);

    QFont m_font;
    QFontMetricsF m_metrics;
    QTextOption m_option;
    qreal m_width;
    qreal m_tabStop;
    // Advance of each UTF-16 unit in the font; 0 not looked up yet, -1 for
    // units whose width the font alone does not decide.
    std::vector<float> m_advances;
};
