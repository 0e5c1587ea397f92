#include "fakelinkview.h"
#include "links/linkfinder.h"

#include <gtest/gtest.h>

namespace {

using Span = LinkFinder::TextSpan;

// The stored default of the wordDelimiters setting.
const QString DefaultDelimiters
    = QString::fromUtf16(u"\" \\n\\r\\t:()[]{}<>/\\,;.'\u00BF\u00A1!?\"=+-*|^~&%@\"");

LinkFinder defaultFinder()
{
    LinkFinder finder;
    finder.SetWordDelimiters(DefaultDelimiters);
    return finder;
}

TEST(WordDelimiters, DefaultSettingUnfoldsEscapesAndQuotes)
{
    const LinkFinder finder = defaultFinder();
    const QString &d = finder.wordDelimiters();
    EXPECT_EQ(d, QString::fromUtf16(u" \n\r\t:()[]{}<>/\\,;.'\u00BF\u00A1!?\"=+-*|^~&%@"));
    EXPECT_TRUE(finder.spaceTabAlike());
}

TEST(WordDelimiters, EscapesIgnoreCaseAndQuotesNeedBothEnds)
{
    LinkFinder finder;
    finder.SetWordDelimiters(QStringLiteral("\\N\\T-"));
    EXPECT_EQ(finder.wordDelimiters(), QStringLiteral("\n\t-"));
    EXPECT_FALSE(finder.spaceTabAlike());
    finder.SetWordDelimiters(QStringLiteral("\" ."));
    EXPECT_EQ(finder.wordDelimiters(), QStringLiteral("\" ."));
    finder.SetWordDelimiters(QStringLiteral("\""));
    EXPECT_EQ(finder.wordDelimiters(), QStringLiteral("\""));
}

// A line, a 0-based caret column, a mode and the expected span in the line.
struct RunCase
{
    const char *name;
    const char16_t *line;
    int column;
    int mode;
    Span expected;
};

void PrintTo(const RunCase &c, std::ostream *os)
{
    *os << c.name;
}

class WordRunCase : public testing::TestWithParam<RunCase>
{
};

TEST_P(WordRunCase, SpanInLine)
{
    const RunCase &c = GetParam();
    EXPECT_EQ(
        defaultFinder().FindWordRangeInLine(QStringView(c.line), c.column, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Runs, WordRunCase,
    testing::Values(RunCase { "around_word_joined_by_full_stop", u"one.two", 6, 2, { 4, 3 } },
        RunCase { "around_first_of_joined_words", u"one.two", 2, 2, { 0, 3 } },
        RunCase { "three_spaces_are_one_run", u"ab   cd", 4, 2, { 2, 3 } },
        RunCase { "space_and_tab_alike", u"ab \t cd", 4, 2, { 2, 3 } },
        RunCase { "different_delimiters_split", u"a.,b", 2, 2, { 1, 1 } },
        RunCase { "around_at_line_start_takes_first_word", u"ab cd", 0, 2, { 0, 2 } },
        RunCase { "left_to_word_start", u"one two", 7, 0, { 4, 3 } },
        RunCase { "left_from_inside_word", u"one two", 6, 0, { 4, 2 } },
        RunCase { "left_over_space_run", u"one   two", 6, 0, { 3, 3 } },
        RunCase { "right_to_word_end", u"one two", 0, 1, { 0, 3 } },
        RunCase { "right_from_inside_word", u"one two", 1, 1, { 1, 2 } },
        RunCase { "right_over_space_run", u"one   two", 3, 1, { 3, 3 } },
        RunCase { "right_stops_at_other_delimiter", u"a  ..b", 1, 1, { 1, 2 } }),
    [](const testing::TestParamInfo<RunCase> &info) { return std::string(info.param.name); });

TEST(WordRange, RightAtLineEndCoversTheLineBreakOnly)
{
    const FakeLinkView view(QStringLiteral("ab\r\ncd"));
    const LinkFinder finder = defaultFinder();
    EXPECT_EQ(finder.FindWordRange(view, 2, 1), (Span { 2, 2 }));
    // Nothing lies right of the text's end.
    EXPECT_EQ(finder.FindWordRange(view, 6, 1), (Span { 6, 0 }));
}

TEST(WordRange, LeftAtLineStartCoversTheLineBreak)
{
    const LinkFinder finder = defaultFinder();
    const FakeLinkView view(QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(finder.FindWordRange(view, 4, 0), (Span { 2, 2 }));
    EXPECT_EQ(finder.FindWordRange(view, 0, 0), (Span { 0, 0 }));
    // Regression: after an empty first line the caret could not move left.
    const FakeLinkView emptyFirst(QStringLiteral("\r\ncd"));
    EXPECT_EQ(finder.FindWordRange(emptyFirst, 2, 0), (Span { 0, 2 }));
}

TEST(WordRange, LeftAtWrappedLineStartGoesOnInTheLineAbove)
{
    const LinkFinder finder = defaultFinder();
    // Wrapped after the blank: "ab cd " | "ef"; the caret goes past the
    // blank to the start of the word above.
    const FakeLinkView view(QStringLiteral("ab cd ef"), 6);
    ASSERT_EQ(view.LineIndex(1), 6);
    EXPECT_EQ(finder.FindWordRange(view, 6, 0), (Span { 3, 3 }));
    EXPECT_EQ(finder.FindWordRange(view, 8, 0), (Span { 6, 2 }));
}

TEST(WordRange, AroundUsesTheAbsoluteLineStart)
{
    const LinkFinder finder = defaultFinder();
    const FakeLinkView view(QStringLiteral("x\r\nab.cd"));
    EXPECT_EQ(finder.FindWordRange(view, 8, 2), (Span { 6, 2 }));
}

TEST(WordAt, TheCharacterUnderThePointDecides)
{
    const LinkFinder finder = defaultFinder();
    const FakeLinkView view(QStringLiteral("hello world"));
    // Left half of the "w": the word, not the space before it.
    const std::optional<LinkFinder::WordAt> left = finder.FindWordAt(view, 6 * 8 + 1, 4);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->range, (Span { 6, 5 }));
    EXPECT_EQ(left->position, 7);
    // Right of the line's end: the last word.
    const std::optional<LinkFinder::WordAt> beyond = finder.FindWordAt(view, 20 * 8, 4);
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->range, (Span { 6, 5 }));
    EXPECT_EQ(beyond->position, 11);
}

} // namespace
