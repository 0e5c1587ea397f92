#include "view/autowidth.h"
#include "view/zoom.h"

#include <QString>

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

std::vector<int> Steps(int from, ZoomStep step, int count)
{
    std::vector<int> seen;
    for (int i = 0; i < count; ++i)
        seen.push_back(from = NextZoom(from, step));
    return seen;
}

TEST(ZoomTest, OutFromHundredReachesTenAndStays)
{
    EXPECT_EQ(Steps(100, ZoomStep::Out, 13),
        (std::vector<int> { 90, 80, 70, 60, 50, 40, 30, 25, 20, 15, 10, 10, 10 }));
}

TEST(ZoomTest, InFromTenUsesFivesUpToThirty)
{
    EXPECT_EQ(Steps(10, ZoomStep::In, 5), (std::vector<int> { 15, 20, 25, 30, 40 }));
    EXPECT_EQ(NextZoom(490, ZoomStep::In), 500);
    EXPECT_EQ(NextZoom(500, ZoomStep::In), 500);
    EXPECT_EQ(NextZoom(25, ZoomStep::In), 30);
    EXPECT_EQ(NextZoom(30, ZoomStep::In), 40);
    EXPECT_EQ(NextZoom(270, ZoomStep::Reset), 100);
}

struct ColumnsCase
{
    const char *name;
    const char16_t *text;
    int tabSize;
    int columns;
};

void PrintTo(const ColumnsCase &c, std::ostream *os)
{
    *os << c.name;
}

class LongestLineTest : public ::testing::TestWithParam<ColumnsCase>
{
};

TEST_P(LongestLineTest, Columns)
{
    const ColumnsCase &c = GetParam();
    EXPECT_EQ(LongestLineColumns(QStringView(c.text), c.tabSize), c.columns);
}

// Long plain runs are counted a chunk at a time; tabs and breaks among
// them count as one by one.
TEST(LongestLine, LongTextsAsCharacterByCharacter)
{
    std::mt19937 random(23);
    for (int round = 0; round < 200; ++round) {
        QString text;
        for (int n = int(random() % 300); n > 0; --n)
            text += random() % 15 == 0
                ? (random() % 2 ? QStringLiteral("\r\n") : QStringLiteral("\t"))
                : QString(QChar(char16_t(u'a' + random() % 26)));
        int longest = 0;
        int columns = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                longest = std::max(longest, columns);
                columns = 0;
                ++i;
            } else {
                columns += text[i] == u'\t' ? 8 - columns % 8 : 1;
            }
        }
        ASSERT_EQ(LongestLineColumns(text, 8), std::max(longest, columns)) << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, LongestLineTest,
    ::testing::Values(ColumnsCase { "tab_at_column_one", u"\tabc", 8, 11 },
        ColumnsCase { "two_tabs_after_three_letters", u"abc\t\t", 8, 16 },
        ColumnsCase { "tab_after_eight_letters", u"abcdefgh\tx", 8, 17 },
        ColumnsCase { "tab_size_four", u"a\tb", 4, 5 },
        ColumnsCase { "longest_of_several", u"ab\r\nabcdef\r\nabc", 8, 6 },
        ColumnsCase { "short_line_with_tabs_wins", u"abcdefghij\r\n\t\t", 8, 16 },
        ColumnsCase { "lone_break_counts_one", u"ab\rcd\r\nx", 8, 5 },
        ColumnsCase { "tab_after_a_lone_break", u"a\r\tb", 4, 5 },
        ColumnsCase { "empty", u"", 8, 0 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AutoWindowWidthTest, LimitsAndPadding)
{
    const AutoWidthLimits defaults;
    // 200 characters of 8 pixels plus frame plus 40 is above the maximum.
    EXPECT_EQ(AutoWindowWidth(8, 200, 20, defaults), 1300);
    // A one-line document of 5 characters gets the minimum.
    EXPECT_EQ(AutoWindowWidth(8, 5, 20, defaults), 300);
    EXPECT_EQ(AutoWindowWidth(8, 100, 20, defaults), 860);
    // The minimum wins when the limits conflict.
    EXPECT_EQ(AutoWindowWidth(8, 100, 20, { 40, 200, 400 }), 400);
}

} // namespace
