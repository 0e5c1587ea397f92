#include "fixedadvancelines.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Line breaking classes of the characters covered, as the Unicode line
// breaking rules name them; ambiguous ones count as letters, as in the
// layout.
enum BreakClass : unsigned char {
    OP,
    CL,
    CP,
    QU,
    GL,
    EX,
    SY,
    IS,
    PR,
    PO,
    NU,
    AL,
    HY,
    BA,
    BB,
    SP,
    Other
};

// Classes of the rule that keeps numbers such as "$1,234.56" whole.
enum NumberClass : unsigned char { NX, NPrPo, NOpHy, NNu, NSyIs, NClCp };

// A character's two classes in one byte.
struct CharClass
{
    BreakClass line = Other;
    NumberClass number = NX;
};

constexpr unsigned char Packed(CharClass c)
{
    return static_cast<unsigned char>(c.line | c.number << 5);
}

constexpr CharClass Unpacked(unsigned char packed)
{
    return { BreakClass(packed & 0x1F), NumberClass(packed >> 5) };
}

constexpr unsigned char Unknown = Packed(CharClass());

NumberClass NumberClassOf(BreakClass line, bool mathSymbol)
{
    switch (line) {
    case PR:
    case PO:
        return NPrPo;
    case OP:
    case HY:
        return NOpHy;
    case NU:
        return NNu;
    case SY:
    case IS:
        return NSyIs;
    case CL:
    case CP:
        return NClCp;
    case AL:
        // Mathematical symbols count as separators inside numbers.
        return mathSymbol ? NSyIs : NX;
    default:
        return NX;
    }
}

struct ClassOfRange
{
    char16_t first;
    char16_t last;
    BreakClass line;
};

// Printable ASCII, Latin-1, the other Windows-1252 characters, box
// drawing and blocks. Controls, the soft hyphen and whatever is not listed
// are left to the layout.
constexpr ClassOfRange Classes[] = {
    { u'\t', u'\t', BA },
    { u' ', u' ', SP },
    { u'!', u'!', EX },
    { u'"', u'"', QU },
    { u'#', u'#', AL },
    { u'$', u'$', PR },
    { u'%', u'%', PO },
    { u'&', u'&', AL },
    { u'\'', u'\'', QU },
    { u'(', u'(', OP },
    { u')', u')', CP },
    { u'*', u'*', AL },
    { u'+', u'+', PR },
    { u',', u',', IS },
    { u'-', u'-', HY },
    { u'.', u'.', IS },
    { u'/', u'/', SY },
    { u'0', u'9', NU },
    { u':', u';', IS },
    { u'<', u'>', AL },
    { u'?', u'?', EX },
    { u'@', u'Z', AL },
    { u'[', u'[', OP },
    { u'\\', u'\\', PR },
    { u']', u']', CP },
    { u'^', u'z', AL },
    { u'{', u'{', OP },
    { u'|', u'|', BA },
    { u'}', u'}', CL },
    { u'~', u'~', AL },
    { 0x00A0, 0x00A0, GL },
    { 0x00A1, 0x00A1, OP },
    { 0x00A2, 0x00A2, PO },
    { 0x00A3, 0x00A5, PR },
    { 0x00A6, 0x00AA, AL },
    { 0x00AB, 0x00AB, QU },
    { 0x00AC, 0x00AC, AL },
    { 0x00AE, 0x00AF, AL },
    { 0x00B0, 0x00B0, PO },
    { 0x00B1, 0x00B1, PR },
    { 0x00B2, 0x00B3, AL },
    { 0x00B4, 0x00B4, BB },
    { 0x00B5, 0x00BA, AL },
    { 0x00BB, 0x00BB, QU },
    { 0x00BC, 0x00BE, AL },
    { 0x00BF, 0x00BF, OP },
    { 0x00C0, 0x00FF, AL },
    { 0x0152, 0x0153, AL },
    { 0x0160, 0x0161, AL },
    { 0x0178, 0x0178, AL },
    { 0x017D, 0x017E, AL },
    { 0x0192, 0x0192, AL },
    { 0x02C6, 0x02C6, AL },
    { 0x02DC, 0x02DC, AL },
    { 0x2013, 0x2013, BA },
    { 0x2018, 0x2019, QU },
    { 0x201A, 0x201A, OP },
    { 0x201C, 0x201D, QU },
    { 0x201E, 0x201E, OP },
    { 0x2020, 0x2022, AL },
    { 0x2030, 0x2030, PO },
    { 0x2039, 0x203A, QU },
    { 0x20AC, 0x20AC, PR },
    { 0x2122, 0x2122, AL },
    { 0x2500, 0x259F, AL },
};

const FixedAdvanceLines::ClassMap &ClassTable()
{
    static const FixedAdvanceLines::ClassMap table = [] {
        FixedAdvanceLines::ClassMap classes(0x10000, Unknown);
        for (const ClassOfRange &range : Classes) {
            for (char32_t c = range.first; c <= range.last; ++c) {
                const bool math = QChar::category(c) == QChar::Symbol_Math;
                classes[c] = Packed({ range.line, NumberClassOf(range.line, math) });
            }
        }
        return classes;
    }();
    return table;
}

enum Pair : char { P, D, I }; // prohibited, direct, only after a blank

// Rows: the class before, columns: the class after (OP to BB).
constexpr Pair PairTable[15][15] = {
    { P, P, P, P, P, P, P, P, P, P, P, P, P, P, P }, // OP
    { D, P, P, I, I, P, P, P, D, D, D, D, I, I, D }, // CL
    { D, P, P, I, I, P, P, P, D, D, I, I, I, I, D }, // CP
    { P, P, P, I, I, P, P, P, I, I, I, I, I, I, I }, // QU
    { I, P, P, I, I, P, P, P, I, I, I, I, I, I, I }, // GL
    { D, P, P, I, I, P, P, P, D, D, D, D, I, I, D }, // EX
    { D, P, P, I, I, P, P, P, D, D, D, D, I, I, D }, // SY
    { D, P, P, I, I, P, P, P, D, D, D, I, I, I, D }, // IS
    { D, P, P, I, I, P, P, P, D, D, I, I, I, I, D }, // PR
    { D, P, P, I, I, P, P, P, D, D, I, I, I, I, D }, // PO
    { I, P, P, I, I, P, P, P, I, I, I, I, I, I, D }, // NU
    { I, P, P, I, I, P, P, P, I, I, I, I, I, I, D }, // AL
    { D, P, P, I, D, P, P, P, D, D, I, D, I, I, D }, // HY
    { D, P, P, I, D, P, P, P, D, D, D, D, I, I, D }, // BA
    { I, P, P, I, I, P, P, P, I, I, I, I, I, I, I }, // BB
};

enum NumberAction : char { None, Start, Continue, Break };

constexpr NumberAction NumberTable[6][6] = {
    { None, Start, Start, Start, None, None }, // nothing yet
    { None, Start, Continue, Continue, None, None }, // prefix or postfix
    { None, Start, Start, Continue, None, None }, // opening or hyphen
    { Break, Break, Break, Continue, Continue, Continue }, // digit
    { Break, Break, Break, Continue, Continue, Continue }, // separator
    { Break, Continue, Break, Break, Break, Break }, // closing
};

// Keeps numbers whole: no break inside a sequence such as "$1,234.56" once
// it is seen to be one.
struct NumberRule
{
    NumberClass last = NX;
    qsizetype start = 0;

    void Follow(NumberClass now, qsizetype at, std::vector<char> &breaks)
    {
        switch (NumberTable[last][now]) {
        case Break:
            std::fill(breaks.begin() + start + 1, breaks.begin() + at, 0);
            last = NX;
            break;
        case None:
            last = NX;
            break;
        case Start:
            start = at;
            last = now;
            break;
        case Continue:
            last = now;
            break;
        }
    }
};

qint64 ToFixed(qreal value)
{
    // Truncated, as the layout converts widths.
    return qint64(value * 64);
}

int ToFixedExact(qreal value)
{
    return int(std::lround(value * 64));
}

// Text that exercises breaks after blanks, tabs, hyphens, slashes and
// quotes, numbers kept whole, long words and blanks at line ends.
const char16_t *const Probes[] = {
    u"The quick (brown) fox-jumps over \"the\" lazy dog's back; it's 12,345.67 "
    u"or $1,000 + 5% off! Is it? http://example.com/a/b?c=d&e=f  x  \tTab\tstops "
    u"and\t\ttwo-tabs, a_very_long_identifier_that_cannot_fit_on_one_line_at_all "
    u"[x] {y} a|b c\\d e/f g:h i;j 3-4 5/6 (7) -8 +9 ~10 <11> a=b #1 @2 ^3 `4`",
    u"\t\tindented text with words of every length a bb ccc dddd eeeee ffffff",
    u"  two blanks first, then    four,   three and a last one ",
};

} // namespace

int LaidOutLines(const QString &text, const QFont &font, const QTextOption &option, qreal width)
{
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

FixedAdvanceLines::FixedAdvanceLines(int advance, int tabStop)
    : m_advance(advance)
    , m_tabStop(tabStop)
{ }

namespace {

// Where the layout puts each glyph of text on one unwrapped line, in 1/64
// pixel; empty unless every character became one glyph of the font itself.
std::vector<int> GlyphPositions(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine().setLineWidth(1e9);
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.first().positions().size() != text.size())
        return {};
    std::vector<int> positions;
    for (const QPointF &at : runs.first().positions())
        positions.push_back(ToFixedExact(at.x()));
    return positions;
}

int TabStopOf(const QFont &font, const QTextOption &option)
{
    QTextLayout tab(QStringLiteral("\tx"), font);
    tab.setTextOption(option);
    tab.beginLayout();
    QTextLine line = tab.createLine();
    line.setLineWidth(1e9);
    tab.endLayout();
    return ToFixedExact(line.cursorToX(1));
}

// The fixed advance of printable ASCII and the blank, when every ordered
// pair of them is placed at that advance (no kerning); 0 otherwise.
int AsciiAdvance(const QFont &font)
{
    const QFontMetricsF metrics(font);
    QString all;
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        if (!metrics.inFont(QChar(c)))
            return 0;
        all += QChar(c);
    }
    QString pairs;
    for (QChar first : all) {
        for (QChar second : all) {
            pairs += first;
            pairs += second;
        }
    }
    const std::vector<int> positions = GlyphPositions(pairs, font);
    if (positions.size() < 2)
        return 0;
    const int advance = positions[1];
    for (size_t i = 0; i < positions.size(); ++i) {
        if (positions[i] != int(i) * advance)
            return 0;
    }
    return advance;
}

} // namespace

std::optional<FixedAdvanceLines> FixedAdvanceLines::ForFont(
    const QFont &font, const QTextOption &option)
{
    if (option.wrapMode() != QTextOption::WrapAtWordBoundaryOrAnywhere
        || (option.flags() & QTextOption::IncludeTrailingSpaces)
        || !(option.alignment() & Qt::AlignLeft) || !option.tabs().isEmpty())
        return std::nullopt;
    // Checking a font costs a few layouts: once per font and option.
    static QHash<QString, std::optional<FixedAdvanceLines>> checked;
    const QString key = font.key() + QLatin1Char('/') + QString::number(option.tabStopDistance())
        + QLatin1Char('/') + QString::number(int(option.flags()));
    if (const auto found = checked.constFind(key); found != checked.constEnd())
        return *found;

    std::optional<FixedAdvanceLines> lines;
    const int advance = AsciiAdvance(font);
    const int tabStop = advance > 0 ? TabStopOf(font, option) : 0;
    if (tabStop > 0) {
        FixedAdvanceLines candidate(advance, tabStop);
        candidate.CoverCharacters(font);
        if (candidate.AgreesWithLayout(font, option))
            lines = std::move(candidate);
    }
    // Each zoom step is a font of its own: keep the last few.
    if (checked.size() >= 32)
        checked.clear();
    checked.insert(key, lines);
    return lines;
}

// ASCII counts (its advance was checked); other characters where the font
// has them at the same advance, each placed between two letters.
void FixedAdvanceLines::CoverCharacters(const QFont &font)
{
    const QFontMetricsF metrics(font);
    m_classes = ClassTable();
    QString candidates;
    for (char16_t c = 0x80; c < m_classes.size() - 1; ++c) {
        if (m_classes[c] == Unknown)
            continue;
        if (metrics.inFont(QChar(c)))
            candidates += QChar(c);
        else
            m_classes[c] = Unknown;
    }
    QString probe = QStringLiteral("x");
    for (QChar c : candidates) {
        probe += c;
        probe += QLatin1Char('x');
    }
    // Caret positions, not glyph runs: the layout splits runs by script.
    QTextLayout layout(probe, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const int at = int(2 * i + 1);
        const int before = ToFixedExact(line.cursorToX(at));
        if (before - ToFixedExact(line.cursorToX(at - 1)) != m_advance
            || ToFixedExact(line.cursorToX(at + 1)) - before != m_advance)
            m_classes[candidates[i].unicode()] = Unknown;
    }
    m_latin1 = true;
    for (char16_t c = 0xA0; c <= 0xFF; ++c)
        m_latin1 = m_latin1 && (c == 0xAD || m_classes[c] != Unknown);
    NoteBearings(metrics);
}

// Truncated to 1/64 pixel as the layout takes them.
void FixedAdvanceLines::NoteBearings(const QFontMetricsF &metrics)
{
    m_minimumBearing = -std::min(int(metrics.minRightBearing() * 64), 0);
    for (size_t c = 0; c < m_classes.size(); ++c) {
        const int bearing = m_classes[c] != Unknown
            ? -std::min(int(metrics.rightBearing(QChar(char16_t(c))) * 64), 0)
            : 0;
        if (bearing > 0) {
            m_bearings.insert(char16_t(c), bearing);
            m_maximumBearing = std::max(m_maximumBearing, bearing);
        }
    }
}

qint64 FixedAdvanceLines::Bearing(QChar c) const
{
    return m_bearings.value(c.unicode(), 0);
}

bool FixedAdvanceLines::SurelyFits(int characters, int tabs, qreal width) const
{
    return qint64(characters) * m_advance + qint64(tabs) * m_tabStop <= ToFixed(width);
}

// The arithmetic must give the layout's own answer on the probes at many
// widths, or it is not used for this font.
bool FixedAdvanceLines::AgreesWithLayout(const QFont &font, const QTextOption &option) const
{
    const qreal advance = m_advance / 64.0;
    for (const char16_t *probe : Probes) {
        const QString text = QString::fromUtf16(probe);
        for (int columns = 3; columns <= 45; columns += 3) {
            for (qreal extra : { 0.0, 0.5 * advance }) {
                const qreal width = columns * advance + extra;
                const std::optional<int> counted = Count(text, width);
                if (counted && *counted != LaidOutLines(text, font, option, width))
                    return false;
            }
        }
    }
    return true;
}

std::vector<char> FixedAdvanceLines::BreakOpportunities(QStringView text)
{
    std::vector<char> breaks;
    if (!FindBreaks(text, ClassTable(), breaks, nullptr))
        breaks.clear();
    return breaks;
}

bool FixedAdvanceLines::FindBreaks(
    QStringView text, const ClassMap &classes, std::vector<char> &breaks, std::vector<int> *tabs)
{
    const qsizetype length = text.size();
    // Every entry is written below.
    breaks.resize(size_t(length) + 1);
    breaks[0] = 0;
    if (length == 0)
        return true;
    BreakClass before = Unpacked(classes[text[0].unicode()]).line;
    if (before == Other)
        return false;
    if (tabs && text[0] == u'\t')
        tabs->push_back(0);
    BreakClass last = before;
    // A blank at the very start pairs as a letter.
    if (before == SP)
        before = AL;
    NumberRule numbers;
    for (qsizetype i = 1; i < length; ++i) {
        const CharClass now = Unpacked(classes[text[i].unicode()]);
        if (now.line == Other)
            return false;
        if (now.line == SP) {
            breaks[size_t(i)] = 0;
            last = SP;
            continue;
        }
        if (tabs && now.line == BA && text[i] == u'\t')
            tabs->push_back(int(i));
        // Letters outside numbers, the common case, leave the number rule alone.
        if (now.number != NX || numbers.last != NX)
            numbers.Follow(now.number, i, breaks);
        const Pair pair = PairTable[before][now.line];
        breaks[size_t(i)] = pair == D || (pair == I && last == SP);
        before = now.line;
        last = now.line;
    }
    numbers.Follow(NX, length, breaks);
    breaks[0] = 0;
    breaks[size_t(length)] = 1;
    return true;
}

qint64 FixedAdvanceLines::TabWidth(qint64 x) const
{
    return (x / m_tabStop + 1) * m_tabStop - x;
}

// Start of the run that holds the character at (not a tab), given where
// the tabs are.
int RunStart(const std::vector<int> &tabs, int at)
{
    const auto after = std::upper_bound(tabs.begin(), tabs.end(), at);
    const int start = after == tabs.begin() ? 0 : *(after - 1) + 1;
    return start + (at - start) / LayoutRunLength * LayoutRunLength;
}

// One line from position from, filled as the layout fills it: words are
// added while they fit (with the part of their last glyph that reaches past
// its advance, which the layout looks at only near the edge), blanks after
// the last word hang past the edge, and a line wider than the width makes
// the layout break that line anywhere instead.
FixedAdvanceLines::Line FixedAdvanceLines::LayOutLine(
    const Breaks &text, int from, qint64 width, bool anywhere) const
{
    const std::vector<char> &breaks = text.opportunities;
    const int length = int(text.size());
    int lineLength = 0;
    qint64 lineWidth = 0;
    int wordLength = 0;
    qint64 wordWidth = 0;
    int blankLength = 0;
    qint64 blankWidth = 0;
    // What the layout adds to the line's width for its last glyph.
    qint64 overhang = 0;
    const auto full = [&] { return lineLength > 0 && lineWidth + wordWidth + blankWidth > width; };
    const auto wordFull = [&](QChar last) {
        const qint64 needed = lineWidth + wordWidth + blankWidth;
        const qint64 bearing = needed + m_minimumBearing > width ? Bearing(last) : 0;
        return lineLength > 0 && needed + bearing > width;
    };
    const auto extend = [&] {
        lineLength += wordLength + blankLength;
        lineWidth += wordWidth + blankWidth;
        wordLength = blankLength = 0;
        wordWidth = blankWidth = 0;
    };
    int at = from;
    bool ended = false;
    while (at < length && !ended) {
        const char16_t c = text[at].unicode();
        if (c == u'\t') {
            overhang = 0;
            if (full())
                break;
            extend();
            blankWidth = TabWidth(lineWidth);
            blankLength = 1;
            ++at;
            ended = full();
            if (!ended)
                extend();
        } else if (c == u' ') {
            overhang = 0;
            while (at < length && text[at] == u' ') {
                ++blankLength;
                blankWidth += m_advance;
                ++at;
            }
            if (blankWidth > width)
                return { 0, 0, true };
        } else {
            const int wordStart = at++;
            if (!anywhere) {
                while (at < length && !breaks[size_t(at)] && text[at] != u' ' && text[at] != u'\t')
                    ++at;
            }
            wordLength += at - wordStart;
            wordWidth += qint64(at - wordStart) * m_advance;
            ended = wordFull(text[at - 1]);
            if (!ended) {
                extend();
                overhang = Bearing(text[at - 1]);
            } else if (wordStart > RunStart(text.tabs, at - 1)) {
                overhang = Bearing(text[wordStart - 1]);
            } else if (lineWidth + m_maximumBearing > width && lineWidth <= width) {
                // The layout takes that glyph from another run: its answer is its own.
                return { 0, 0, true };
            }
        }
    }
    if (at >= length && !ended && !full())
        extend();
    if (lineLength == 0) {
        lineLength = wordLength;
        lineWidth = wordWidth;
    }
    if (!anywhere && lineWidth + overhang > width)
        return LayOutLine(text, from, width, true);
    return { lineLength, blankLength, false };
}

std::optional<int> FixedAdvanceLines::Count(QStringView text, qreal width) const
{
    // Counts run on several threads at once, each with its own buffer.
    thread_local std::vector<char> buffer;
    Breaks breaks { text, {}, {} };
    breaks.opportunities.swap(buffer);
    const bool covered = FindBreaks(text, m_classes, breaks.opportunities, &breaks.tabs);
    const std::optional<int> lines = covered ? CountLines(breaks, width) : std::nullopt;
    buffer.swap(breaks.opportunities);
    // A very long line's breaks are not kept for the life of the thread.
    if (buffer.capacity() > size_t(1) << 20)
        std::vector<char>().swap(buffer);
    return lines;
}

std::optional<int> FixedAdvanceLines::CountLines(Breaks &breaks, qreal width) const
{
    const QStringView text = breaks.text;
    const qint64 lineWidth = ToFixed(width);
    const int length = int(text.size());
    int lines = 0;
    int from = 0;
    do {
        const Line line = LayOutLine(breaks, from, lineWidth, false);
        if (line.unsure || (length > 0 && line.length + line.trailingBlanks == 0))
            return std::nullopt;
        ++lines;
        from += line.length + line.trailingBlanks;
    } while (from < length);
    return lines;
}
