#include "tmemopadlines.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
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

// What Count keeps in a block's user state about its text, so that later
// counts at other widths or zoom steps need not read it, for text of
// printable ASCII, Latin-1 letters and signs, blanks and tabs: how many
// characters and tabs it has and whether Latin-1 occurs. NotPlain for any
// other text, PlainLong for plain text without tabs with too many
// characters to keep; NotLookedAt (the block's default) until read.
constexpr int NotLookedAt = -1;
constexpr int NotPlain = -2;
constexpr int PlainLong = -3;
constexpr int TabBits = 10;
constexpr int MaxTabs = (1 << TabBits) - 1;
constexpr int MaxCharacters = (1 << (30 - TabBits)) - 1;

struct PlainShape
{
    int characters;
    int tabs;
    bool latin1;
};

int Packed(const PlainShape &shape)
{
    return shape.characters << (TabBits + 1) | shape.tabs << 1 | (shape.latin1 ? 1 : 0);
}

PlainShape Unpacked(int state)
{
    return { state >> (TabBits + 1), (state >> 1) & MaxTabs, (state & 1) != 0 };
}

int PlainState(QStringView text)
{
    PlainShape shape { 0, 0, false };
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\t') {
            ++shape.tabs;
            continue;
        }
        if (c >= 0xA0 && c <= 0xFF && c != 0xAD)
            shape.latin1 = true;
        else if (c < 0x20 || c >= 0x7F)
            return NotPlain;
        ++shape.characters;
    }
    if (shape.characters > MaxCharacters || shape.tabs > MaxTabs)
        return shape.tabs == 0 ? PlainLong : NotPlain;
    return Packed(shape);
}

} // namespace

BlockLineCounter::BlockLineCounter(const QFont &font, const QTextOption &option, qreal width)
    : m_font(font)
    , m_metrics(font)
    , m_option(option)
    , m_width(width > 0 ? width : qreal(INT_MAX))
    , m_tabStop(option.tabStopDistance() > 0 ? option.tabStopDistance() : 80)
    , m_fixedAdvance(FixedAdvanceLines::ForFont(font, option))
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

int BlockLineCounter::Count(const QTextBlock &block)
{
    Step step { block, {}, {}, {} };
    Begin(step);
    if (!step.lines)
        step.counted = m_fixedAdvance->Count(step.text, m_width);
    return End(step);
}

void BlockLineCounter::Begin(Step &step)
{
    const QTextBlock &block = step.block;
    if (!block.isVisible()) {
        step.lines = 0;
        return;
    }
    int state = block.userState();
    if (state >= 0 && OneLineByState(state)) {
        step.lines = 1;
        return;
    }
    if (const int laidOut = block.layout()->lineCount(); laidOut > 0) {
        step.lines = laidOut;
        return;
    }
    step.text = block.text();
    const QString &text = step.text;
    if (state == NotLookedAt) {
        state = PlainState(text);
        QTextBlock(block).setUserState(state);
        if (state >= 0 && OneLineByState(state)) {
            step.lines = 1;
            return;
        }
    }
    // Plain text in a fixed-advance font is the arithmetic's.
    if (!(state >= 0 && m_fixedAdvance) && FitsOnOneLine(text)) {
        step.lines = 1;
        return;
    }
    // Marked stand-ins give a block several formats, and the layout then
    // splits its runs there too: the document's own layout handles those.
    // Of the stand-ins only the pilcrow is a character the arithmetic takes.
    const bool marked = (state < 0 || Unpacked(state).latin1) && text.contains(QChar(0x00B6));
    if (!m_fixedAdvance || (marked && HasSeveralFormats(block)))
        step.lines = LaidOut(block, text);
}

BlockLineCounter::Batch::Batch(const BlockLineCounter &counter, std::vector<Step> &steps)
    : m_counter(counter)
{
    for (Step &step : steps)
        if (!step.lines)
            m_pending.push_back(&step);
    // Below this many for each helper the threads cost more than they save.
    constexpr size_t PerHelper = 64;
    const size_t helpers = std::min(
        m_pending.size() / PerHelper, size_t(std::max(1, QThread::idealThreadCount() - 1)));
    try {
        for (size_t i = 0; i < helpers; ++i)
            m_helpers.push_back(QtConcurrent::run([this] { Work(); }));
    } catch (...) {
        // The helpers already running use this batch.
        Finish();
        throw;
    }
}

BlockLineCounter::Batch::~Batch()
{
    Finish();
}

void BlockLineCounter::Batch::Finish()
{
    Work();
    for (QFuture<void> &helper : m_helpers)
        helper.waitForFinished();
    m_helpers.clear();
}

void BlockLineCounter::Batch::Work()
{
    // Taken a few at a time, so the threads seldom meet on the index.
    constexpr size_t Take = 8;
    const size_t total = m_pending.size();
    for (size_t from = m_next.fetch_add(Take); from < total; from = m_next.fetch_add(Take)) {
        for (size_t i = from; i < std::min(total, from + Take); ++i) {
            Step &step = *m_pending[i];
            // A count that fails (out of memory) leaves the block to the layout.
            try {
                step.counted = m_counter.m_fixedAdvance->Count(step.text, m_counter.m_width);
            } catch (...) {
                step.counted.reset();
            }
        }
    }
}

int BlockLineCounter::End(Step &step)
{
    if (step.lines)
        return *step.lines;
    return step.counted ? *step.counted : LaidOut(step.block, step.text);
}

int BlockLineCounter::LaidOut(const QTextBlock &block, const QString &text) const
{
    if (HasSeveralFormats(block)) {
        block.document()->documentLayout()->blockBoundingRect(block);
        return block.layout()->lineCount();
    }
    return LaidOutLines(text, m_font, m_option, m_width);
}

bool BlockLineCounter::HasSeveralFormats(const QTextBlock &block)
{
    QTextBlock::iterator run = block.begin();
    return !run.atEnd() && !(++run).atEnd();
}

void BlockLineCounter::NoteTexts(QTextDocument &document, QStringView text)
{
    QTextBlock block = document.firstBlock();
    for (qsizetype from = 0; block.isValid() && from <= text.size(); block = block.next()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = text.size();
        block.setUserState(PlainState(text.sliced(from, end - from)));
        from = end + 1;
    }
}

bool BlockLineCounter::OneLineByState(int state) const
{
    const PlainShape shape = Unpacked(state);
    return m_fixedAdvance && (!shape.latin1 || m_fixedAdvance->CoversLatin1())
        && m_fixedAdvance->SurelyFits(shape.characters, shape.tabs, m_width);
}

bool BlockLineCounter::IsPlainWithoutTabs(const QTextBlock &block)
{
    int state = block.userState();
    if (state == NotLookedAt) {
        state = PlainState(block.text());
        QTextBlock(block).setUserState(state);
    }
    return (state >= 0 && Unpacked(state).tabs == 0) || state == PlainLong;
}

void BlockLineCounter::ForgetText(QTextBlock block)
{
    if (block.isValid())
        block.setUserState(NotLookedAt);
}
