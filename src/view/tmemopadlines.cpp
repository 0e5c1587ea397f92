#include "tmemopadlines.h"

#include <QTextBlock>
#include <QTextLayout>

#include <cfloat>

namespace {

// Shaping may place glyphs a little apart from the sum of their advances
// (rounding to 1/64 pixel, kerning); the margin keeps the test on the safe side.
constexpr qreal Slack = 1.02;

// Units whose glyph width the font gives by itself: no joining, combining
// or surrogate halves, nothing a fallback font or shaping could widen.
bool simpleUnit(char16_t c)
{
    if (c < 0x20 || c == 0x7F)
        return false;
    if (c < 0x0300)
        return true;
    // Punctuation, symbols, box drawing, blocks and shapes.
    return (c >= 0x2000 && c < 0x2070 && c != 0x200B && (c < 0x200C || c > 0x200F)
               && (c < 0x2028 || c > 0x202E) && (c < 0x2060 || c > 0x206F))
        || (c >= 0x2190 && c < 0x2700);
}

} // namespace

BlockLineCounter::BlockLineCounter(const QFont &font, const QTextOption &option, qreal width)
    : m_font(font)
    , m_metrics(font)
    , m_option(option)
    , m_width(width > 0 ? width : qreal(INT_MAX))
    , m_tabStop(option.tabStopDistance() > 0 ? option.tabStopDistance() : 80)
    , m_advances(0x10000, 0.0f)
{ }

float BlockLineCounter::Advance(char16_t c)
{
    float &advance = m_advances[c];
    if (advance == 0.0f) {
        const QChar ch(c);
        advance = simpleUnit(c) && m_metrics.inFont(ch) ? float(m_metrics.horizontalAdvance(ch))
                                                        : -1.0f;
        // A glyph without width still counts as known.
        if (advance == 0.0f)
            advance = FLT_MIN;
    }
    return advance;
}

bool BlockLineCounter::FitsOnOneLine(QStringView text)
{
    if (m_option.wrapMode() == QTextOption::NoWrap)
        return true;
    qreal width = 0;
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\t') {
            width += m_tabStop;
        } else {
            const float advance = Advance(c);
            if (advance < 0)
                return false;
            width += advance;
        }
        if (width * Slack > m_width)
            return false;
    }
    return true;
}

int BlockLineCounter::CountText(const QString &text)
{
    if (FitsOnOneLine(text))
        return 1;
    QTextLayout layout(text, m_font);
    layout.setTextOption(m_option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(m_width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

int BlockLineCounter::Count(const QTextBlock &block)
{
    if (!block.isVisible())
        return 0;
    if (const int laidOut = block.layout()->lineCount(); laidOut > 0)
        return laidOut;
    return CountText(block.text());
}
