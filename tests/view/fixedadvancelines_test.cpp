// Wrapped lines counted by arithmetic must be the layout's own: the same
// break opportunities as the line breaking rules give and the same number
// of lines as a real layout at every width.
#include "view/fixedadvancelines.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRandomGenerator>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

std::vector<char> BoundaryFinderBreaks(const QString &text)
{
    std::vector<char> breaks(size_t(text.size()) + 1, 0);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    for (qsizetype at = finder.toNextBoundary(); at != -1; at = finder.toNextBoundary())
        breaks[size_t(at)] = 1;
    breaks[0] = 0;
    return breaks;
}

// Every character the count covers.
const QString &Covered()
{
    static const QString covered = [] {
        QString all = QStringLiteral("\t");
        for (char16_t c = 0x20; c < 0x7F; ++c)
            all += QChar(c);
        for (char16_t c = 0xA0; c <= 0xFF; ++c) {
            if (c != 0xAD)
                all += QChar(c);
        }
        all += QStringLiteral("\u0152\u0153\u0160\u0161\u0178\u017D\u017E\u0192\u02C6\u02DC"
                              "\u2013\u2018\u2019\u201A\u201C\u201D\u201E\u2020\u2021\u2022"
                              "\u2030\u2039\u203A\u20AC\u2122");
        for (char16_t c = 0x2500; c <= 0x259F; ++c)
            all += QChar(c);
        return all;
    }();
    return covered;
}

// Covered characters, with blanks, tabs, digits and the classes that take
// part in numbers drawn more often, so their sequences come up.
QString RandomText(QRandomGenerator &random, int length)
{
    static const QString favoured = QStringLiteral(
        "    \t0123456789$%+-.,/:;()[]{}'\"!?<=>|\\\u00A0\u00B4\u00B1\u00AC\u00D7");
    QString text;
    for (int i = 0; i < length; ++i) {
        const QString &from = random.bounded(2) == 0 ? favoured : Covered();
        text += from[random.bounded(int(from.size()))];
    }
    return text;
}

// Prose-like lines: words of every length up to longer than the line,
// numbers, punctuation, runs of blanks and tabs.
QString RandomLine(QRandomGenerator &random)
{
    static const QString pieces[] = { QStringLiteral(" "), QStringLiteral("  "),
        QStringLiteral("\u00DB\u00DB\u00B2\u00B1\u00B0 "), QStringLiteral("\u2554\u2550\u2557"),
        QStringLiteral("\u00A0"), QStringLiteral("\u00B4\u00AB\u00BB "),
        QStringLiteral("caf\u00E9 "), QStringLiteral("\t"), QStringLiteral("-"),
        QStringLiteral(", "), QStringLiteral(". "), QStringLiteral("/"), QStringLiteral("(x) "),
        QStringLiteral("\"q\" "), QStringLiteral("$1,234.50 "), QStringLiteral("12-34 "),
        QStringLiteral("a|b ") };
    QString line;
    const int words = 1 + random.bounded(30);
    for (int w = 0; w < words; ++w) {
        const int letters = random.bounded(8) == 0 ? 10 + random.bounded(50) : random.bounded(9);
        for (int i = 0; i < letters; ++i)
            line += QChar(char16_t(u'a' + random.bounded(26)));
        line += pieces[random.bounded(int(std::size(pieces)))];
    }
    return line;
}

// The reference, kept apart from the code under test.
int LayoutLines(const QString &text, const QFont &font, const QTextOption &option, qreal width)
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

QTextOption EditorOption(qreal tabStop)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(tabStop);
    return option;
}

class FixedAdvanceLinesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const QString folder = QStringLiteral(ORVANE_FONT_DIR);
        QFontDatabase::addApplicationFont(folder + QStringLiteral("/fdata.nf"));
        QFontDatabase::addApplicationFont(folder + QStringLiteral("/tfdata.nf"));
    }

    static QFont Font(const char *family, int pixelSize)
    {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(pixelSize);
        return font;
    }
};

TEST_F(FixedAdvanceLinesTest, BreaksAreTheLineBreakingRules)
{
    for (const QString &text :
        { QStringLiteral("$1,234.56 and (12)% or -3/4, \"a\" 'b' x-y a/b [c] {d}"),
            QStringLiteral(" lead"), QStringLiteral("\ttab\tand | bar"),
            QStringLiteral("1.2.3-4 +5 =6 <7> ~8"), QStringLiteral("end-"),
            QStringLiteral("a  ) b ( c") })
        ASSERT_EQ(FixedAdvanceLines::BreakOpportunities(text), BoundaryFinderBreaks(text))
            << qPrintable(text);
    QRandomGenerator random(11);
    for (int i = 0; i < 20000; ++i) {
        const QString text = RandomText(random, 1 + random.bounded(24));
        ASSERT_EQ(FixedAdvanceLines::BreakOpportunities(text), BoundaryFinderBreaks(text))
            << qPrintable(text);
    }
    EXPECT_TRUE(FixedAdvanceLines::BreakOpportunities(QStringLiteral("\u4E2D\u6587")).empty());
    EXPECT_TRUE(FixedAdvanceLines::BreakOpportunities(QStringLiteral("soft\u00ADhyphen")).empty());
}

TEST_F(FixedAdvanceLinesTest, CountsEqualTheLayoutAtEveryWidth)
{
    // The NFO faces have every covered character; the text faces lack
    // some, and at some sizes have glyphs reaching past their advance.
    const std::tuple<QFont, qreal, bool> fonts[] = { { Font("Liberation Mono", 13), 80, false },
        { Font("Liberation Mono", 14), 67.1, false }, { Font("Liberation Mono", 22), 80, false },
        { Font("DejaVu Sans Mono", 12), 57.75, false },
        { Font("Liberation Mono", 16), 31.5, false }, { Font("ASCII VGA", 16), 64, true },
        { Font("ASCII", 17), 80, true }, { Font("ASCII EGA", 28), 80, true } };
    QRandomGenerator random(5);
    for (const auto &[font, tabStop, coversAll] : fonts) {
        const QTextOption option = EditorOption(tabStop);
        const std::optional<FixedAdvanceLines> lines = FixedAdvanceLines::ForFont(font, option);
        ASSERT_TRUE(lines) << qPrintable(font.family()) << font.pixelSize();
        const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('x'));
        int counts = 0;
        int cases = 0;
        for (int i = 0; i < 300; ++i) {
            const QString text = RandomLine(random);
            for (qreal columns : { 1.0, 2.5, 7.0, 12.3, 20.0, 33.9, 60.0 }) {
                const qreal width = columns * advance + (i % 3) * 0.37;
                const std::optional<int> counted = lines->Count(text, width);
                ++cases;
                const bool wideBlanks = text.contains(QString(int(columns) + 1, QLatin1Char(' ')));
                if (coversAll) {
                    ASSERT_EQ(counted.has_value(), !wideBlanks) << qPrintable(text);
                }
                if (!counted)
                    continue;
                ++counts;
                ASSERT_EQ(*counted, LayoutLines(text, font, option, width))
                    << qPrintable(font.family()) << " " << width << " [" << qPrintable(text) << "]";
            }
        }
        // Most lines must have been counted, or the comparison proves little.
        EXPECT_GT(counts, cases / 3) << qPrintable(font.family());
    }
}

// The layout shapes long lines in several runs; where a line ends at a run's
// start the count must still agree, or leave the line to the layout.
TEST_F(FixedAdvanceLinesTest, LongLinesCountAcrossRuns)
{
    QRandomGenerator random(9);
    QString withoutTabs;
    while (withoutTabs.size() < 13000)
        withoutTabs += RandomLine(random).remove(QLatin1Char('\t'));
    const QString withTabs = withoutTabs.left(5000) + QLatin1Char('\t') + withoutTabs.mid(5000);
    for (const QFont &font : { Font("Liberation Mono", 14), Font("Liberation Mono", 22) }) {
        const QTextOption option = EditorOption(80);
        const std::optional<FixedAdvanceLines> lines = FixedAdvanceLines::ForFont(font, option);
        ASSERT_TRUE(lines);
        const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('x'));
        int counted = 0;
        for (const QString &text : { withoutTabs, withTabs }) {
            for (qreal columns : { 9.0, 17.4, 40.0, 81.9 }) {
                const std::optional<int> count = lines->Count(text, columns * advance);
                if (!count)
                    continue;
                ++counted;
                ASSERT_EQ(*count, LayoutLines(text, font, option, columns * advance))
                    << qPrintable(font.family()) << " " << columns;
            }
        }
        EXPECT_GT(counted, 0);
    }
}

TEST_F(FixedAdvanceLinesTest, LeavesOtherFontsAndTextsToTheLayout)
{
    const QTextOption option = EditorOption(80);
    EXPECT_FALSE(FixedAdvanceLines::ForFont(Font("Liberation Sans", 13), option));
    QTextOption trailing = option;
    trailing.setFlags(QTextOption::IncludeTrailingSpaces);
    EXPECT_FALSE(FixedAdvanceLines::ForFont(Font("Liberation Mono", 13), trailing));
    QTextOption wordOnly = option;
    wordOnly.setWrapMode(QTextOption::WordWrap);
    EXPECT_FALSE(FixedAdvanceLines::ForFont(Font("Liberation Mono", 13), wordOnly));

    const std::optional<FixedAdvanceLines> lines
        = FixedAdvanceLines::ForFont(Font("Liberation Mono", 13), option);
    ASSERT_TRUE(lines);
    EXPECT_FALSE(lines->Count(QStringLiteral("\u4E2D\u6587 words"), 50));
    EXPECT_FALSE(lines->Count(QStringLiteral("line\rbreak"), 50));
    EXPECT_EQ(lines->Count(QString(), 50), 1);
}

} // namespace
