#include "search/findsession.h"

#include <gtest/gtest.h>

namespace {

SearchRun Dialog(bool up = false, bool skipSelection = true)
{
    SearchRun run;
    run.up = up;
    run.skipSelection = skipSelection;
    run.fromTop = true;
    return run;
}

SearchRun Command(bool up, bool loop = false)
{
    SearchRun run;
    run.viaCommand = true;
    run.up = up;
    run.loop = loop;
    run.fromTop = true;
    return run;
}

const StringEditSource text(QStringLiteral("cat dog cat dog cat"));

TEST(FindSession, OnlyMatchIsTheSelectionFoundAgainByTheLoop)
{
    const StringEditSource one(QStringLiteral("a dog here"));
    FindSession session;
    session.Run(one, QStringLiteral("dog"), 2, 3, Command(false));
    EXPECT_FALSE(session.Run(one, QStringLiteral("dog"), 2, 3, Command(false)));
    EXPECT_EQ(session.Run(one, QStringLiteral("dog"), 2, 3, Command(false, true)), 2);
}

TEST(FindSession, FailedCommandForgetsTheLastSearch)
{
    FindSession session;
    EXPECT_FALSE(session.Run(text, QStringLiteral("cow"), 0, 0, Command(false)));
    EXPECT_TRUE(session.lastSearchText().isEmpty());
    SearchRun fromDialog = Dialog();
    EXPECT_FALSE(session.Run(text, QStringLiteral("cow"), 0, 0, fromDialog));
    EXPECT_EQ(session.lastSearchText(), u"cow"); // the dialog keeps it
}

TEST(FindSession, NewWordStartsAtTheTopThenGoesOn)
{
    FindSession session;
    EXPECT_EQ(session.Run(text, QStringLiteral("cat"), 17, 0, Dialog()), 0);
    EXPECT_EQ(session.Run(text, QStringLiteral("cat"), 0, 3, Dialog()), 8);
    EXPECT_EQ(session.Run(text, QStringLiteral("cat"), 8, 3, Dialog()), 16);
}

TEST(FindSession, WithoutFromTopTheCaretDecides)
{
    FindSession session;
    SearchRun run = Dialog();
    run.fromTop = false;
    EXPECT_EQ(session.Run(text, QStringLiteral("cat"), 5, 0, run), 8);
    EXPECT_TRUE(session.lastSearchText().isEmpty());
}

TEST(FindSession, UpwardNewSearchStartsAtTheEnd)
{
    FindSession session;
    EXPECT_EQ(session.Run(text, QStringLiteral("dog"), 0, 0, Dialog(true)), 12);
    EXPECT_EQ(session.Run(text, QStringLiteral("dog"), 12, 3, Dialog(true)), 4);
}

// Find Previous after Find Next with a new word goes back from the caret
// instead of jumping to the end.
TEST(FindSession, CommandInTheOtherDirectionKeepsItsPlace)
{
    FindSession session;
    session.Run(text, QStringLiteral("cat"), 0, 0, Command(false));
    EXPECT_EQ(session.Run(text, QStringLiteral("dog"), 10, 0, Command(true)), 4);
}

TEST(FindSession, TypingSearchFindsTheGrowingMatchAgain)
{
    const StringEditSource source(QStringLiteral("do dog"));
    FindSession session;
    EXPECT_EQ(session.Run(source, QStringLiteral("d"), 0, 0, Dialog(false, false)), 0);
    session.FieldChanged(QStringLiteral("do"), true);
    EXPECT_EQ(session.Run(source, QStringLiteral("do"), 0, 1, Dialog(false, false)), 0);
    session.FieldChanged(QStringLiteral("dog"), true);
    EXPECT_EQ(session.Run(source, QStringLiteral("dog"), 0, 2, Dialog(false, false)), 3);
    session.FieldChanged(QStringLiteral("do"), true);
    EXPECT_EQ(session.Run(source, QStringLiteral("do"), 3, 3, Dialog(false, false)), 3);
}

TEST(FindSession, EmptyTextNeverMatches)
{
    FindSession session;
    EXPECT_FALSE(session.Run(text, QString(), 0, 0, Dialog()));
    EXPECT_FALSE(session.Run(text, QString(), 0, 0, Command(false, true)));
}

struct FieldCase
{
    const char *name;
    const char16_t *last;
    const char16_t *field;
    bool whileTyping;
    const char16_t *expected;
};

class FieldChange : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(FieldChange, UpdatesTheLastSearchText)
{
    const FieldCase &c = GetParam();
    FindSession session;
    SearchRun run = Dialog();
    // A new search sets the memory to the text it looked for.
    session.Run(text, QString::fromUtf16(c.last), 0, 0, run);
    session.FieldChanged(QString::fromUtf16(c.field), c.whileTyping);
    EXPECT_EQ(session.lastSearchText(), QStringView(c.expected));
}

const FieldCase fieldCases[] = {
    { "one_more_at_the_end", u"ca", u"cat", true, u"cat" },
    { "one_less_at_the_end", u"cat", u"ca", true, u"ca" },
    { "two_more", u"c", u"cat", true, u"" },
    { "other_word_same_length", u"cat", u"dog", true, u"" },
    { "one_more_elsewhere", u"at", u"cat", true, u"" },
    { "typing_search_off", u"ca", u"cat", false, u"" },
};

INSTANTIATE_TEST_SUITE_P(Cases, FieldChange, ::testing::ValuesIn(fieldCases),
    [](const ::testing::TestParamInfo<FieldCase> &info) { return std::string(info.param.name); });

struct MarginCase
{
    const char *name;
    int visible;
    bool movedDown;
    int matchLine;
    int expected;
};

class RevealMargin : public ::testing::TestWithParam<MarginCase>
{
};

// The view shows lines 100 to 100 + visible.
TEST_P(RevealMargin, ScrollsForTheContextLines)
{
    const MarginCase &c = GetParam();
    EXPECT_EQ(RevealScrollLines(c.movedDown, c.matchLine, 100, 100 + c.visible, 5), c.expected);
}

const MarginCase marginCases[] = {
    { "eleven_down_five_lines", 11, true, 110, 4 },
    { "eleven_down_already_clear", 11, true, 104, 0 },
    { "eleven_up_five_lines", 11, false, 101, -4 },
    { "ten_no_margin", 10, true, 110, 0 },
    { "seven_margin_three", 7, true, 107, 3 },
    { "seven_up_margin_three", 7, false, 100, -3 },
    { "six_no_margin", 6, true, 106, 0 },
};

INSTANTIATE_TEST_SUITE_P(Cases, RevealMargin, ::testing::ValuesIn(marginCases),
    [](const ::testing::TestParamInfo<MarginCase> &info) { return std::string(info.param.name); });

TEST(RevealScrollLines, UpwardTargetStopsAtTheFirstLine)
{
    EXPECT_EQ(RevealScrollLines(false, 2, 1, 30, 5), -1);
    EXPECT_EQ(RevealScrollLines(false, 2, 0, 30, 5), 0);
    EXPECT_EQ(RevealScrollLines(true, 50, 0, 30, 0), 0);
}

} // namespace
