#include "search/textsearch.h"

#include <gtest/gtest.h>

namespace {

TEST(FoldCase, MapsEveryUnitAndKeepsTheLength)
{
    EXPECT_EQ(FoldCase(u"AbC \u00c4\u00d6 x"), QStringView(u"abc \u00e4\u00f6 x"));
    // Its lower case form has two units; the fold keeps one.
    EXPECT_EQ(FoldCase(u"\u0130").size(), 1);
}

TEST(CountOccurrences, NonOverlappingFromTheLeft)
{
    EXPECT_EQ(CountOccurrences(u"aaaa", u"aa"), 2);
    EXPECT_EQ(CountOccurrences(u"aaa", u"aa"), 1);
    EXPECT_EQ(CountOccurrences(u"abc", u""), 0);
    EXPECT_EQ(CountOccurrences(u"", u"a"), 0);
}

TEST(CountSearchHits, FoldsBothSidesUnlessMatchCase)
{
    EXPECT_EQ(CountSearchHits(u"ABC abc aBc", u"ABC", false), 3);
    EXPECT_EQ(CountSearchHits(u"ABC abc aBc", u"ABC", true), 1);
    EXPECT_EQ(CountSearchHits(u"\u00c4 \u00e4", u"\u00e4", false), 2);
}

// Guards the piece-wise folding: matches across a piece border and right
// after a match that ends in the next piece are all counted.
TEST(CountSearchHits, LargeTextCountsAsTheWholeFoldedText)
{
    QString text;
    for (int i = 0; i < 40000; ++i)
        text += i % 7 == 0 ? QStringLiteral("xAbAb-") : QStringLiteral("abab ");
    const QString folded = FoldCase(text);
    for (const char16_t *pattern : { u"ab", u"bab", u"ABAB", u"b ab", u"-ab" })
        EXPECT_EQ(
            CountSearchHits(text, pattern, false), CountOccurrences(folded, FoldCase(pattern)))
            << QString::fromUtf16(pattern).toStdString();
}

TEST(ReplaceAllText, ReplacementIsNotScannedAgain)
{
    QString text = QStringLiteral("aaa");
    EXPECT_EQ(ReplaceAllText(text, u"a", u"aa", false), 3);
    EXPECT_EQ(text, u"aaaaaa");
}

TEST(ReplaceAllText, FoldedSearchKeepsTheUnmatchedText)
{
    QString text = QStringLiteral("One ONE one \u00c4");
    EXPECT_EQ(ReplaceAllText(text, u"one", u"2", false), 3);
    EXPECT_EQ(text, u"2 2 2 \u00c4");
    QString exact = QStringLiteral("One ONE one");
    EXPECT_EQ(ReplaceAllText(exact, u"one", u"2", true), 1);
    EXPECT_EQ(exact, u"One ONE 2");
}

TEST(ReplaceAllText, EmptyPatternOrNoMatchLeavesTheText)
{
    QString text = QStringLiteral("abc");
    EXPECT_EQ(ReplaceAllText(text, u"", u"x", false), 0);
    EXPECT_EQ(ReplaceAllText(text, u"z", u"x", false), 0);
    EXPECT_EQ(text, u"abc");
}

TEST(SelectedFirstLine, CutBeforeTheFirstCr)
{
    const StringEditSource source(QStringLiteral("ab cd\r\nef"));
    EXPECT_EQ(SelectedFirstLine({ source, 3, 9 }), u"cd");
    EXPECT_EQ(SelectedFirstLine({ source, 9, 7 }), u"ef");
    EXPECT_EQ(SelectedFirstLine({ source, 1, 1 }), u"");
}

TEST(SearchForward, FromStartWithOrWithoutCase)
{
    const StringEditSource source(QStringLiteral("abc ABC\r\nabc"));
    EXPECT_EQ(SearchForward(source, u"abc", true, 0), 0);
    EXPECT_EQ(SearchForward(source, u"abc", true, 1), 9);
    EXPECT_EQ(SearchForward(source, u"abc", false, 1), 4);
    EXPECT_EQ(SearchForward(source, u"c\r\na", false, 0), 6); // across a line break
    EXPECT_FALSE(SearchForward(source, u"abc", true, 10));
    EXPECT_FALSE(SearchForward(source, u"abc", true, 99));
    EXPECT_FALSE(SearchForward(source, u"", true, 0));
}

TEST(SearchForward, FindsAMatchAcrossAPieceBorder)
{
    const QString text = QString(65536 - 2, u'x') + QStringLiteral("NEEDLE");
    const StringEditSource source(text);
    EXPECT_EQ(SearchForward(source, u"needle", false, 0), 65536 - 2);
    EXPECT_EQ(SearchForward(source, u"needle", false, 70000 - 2 - 6), std::nullopt);
}

TEST(SearchBackward, LeftToRightScanInsideTheLine)
{
    // xaaa with the limit at the line's end: aa is found at the second character.
    const StringEditSource source(QStringLiteral("xaaa"));
    EXPECT_EQ(SearchBackward(source, u"aa", true, 4), 1);
}

TEST(SearchBackward, MatchMustEndAtTheLimit)
{
    const StringEditSource source(QStringLiteral("ab ab ab"));
    EXPECT_EQ(SearchBackward(source, u"ab", true, 8), 6);
    EXPECT_EQ(SearchBackward(source, u"ab", true, 7), 3);
    EXPECT_EQ(SearchBackward(source, u"AB", false, 5), 3);
    EXPECT_FALSE(SearchBackward(source, u"ab", true, 1));
}

TEST(SearchBackward, GoesUpLineByLineAndNeverAcrossABreak)
{
    const StringEditSource source(QStringLiteral("one ab\r\ntwo\r\nab three"));
    EXPECT_EQ(SearchBackward(source, u"ab", true, 13), 4);
    EXPECT_EQ(SearchBackward(source, u"ab", true, 15), 13);
    EXPECT_FALSE(SearchBackward(source, u"ab\r\ntwo", true, 21));
    EXPECT_FALSE(SearchBackward(source, u"ab", true, 0));
}

} // namespace
