#include "fakelinkview.h"
#include "links/linkfinder.h"

#include <gtest/gtest.h>

namespace {

// A line, the 1-based column pointed at, and the link expected there
// (empty: none).
struct LineCase
{
    const char *name;
    const char16_t *line;
    int column;
    const char16_t *expected;
};

void PrintTo(const LineCase &c, std::ostream *os)
{
    *os << c.name;
}

std::string caseName(const testing::TestParamInfo<LineCase> &info)
{
    return info.param.name;
}

QString orNone(const std::optional<QString> &found)
{
    return found.value_or(QString());
}

class UrlCase : public testing::TestWithParam<LineCase>
{
};

TEST_P(UrlCase, FindsTheAddressUnderTheColumn)
{
    const LineCase &c = GetParam();
    EXPECT_EQ(orNone(LinkFinder().FindUrl(QStringView(c.line), c.column)),
        QString::fromUtf16(c.expected));
}

// "See http://a.org/x. Next" : h at 5, last x at 18, full stop 19.
INSTANTIATE_TEST_SUITE_P(Web, UrlCase,
    testing::Values(LineCase { "word_before_address", u"See http://a.org/x. Next", 2, u"" },
        LineCase { "scheme_name_reaches_colon", u"See http://a.org/x. Next", 5, u"http://a.org/x" },
        LineCase { "last_character_without_full_stop", u"See http://a.org/x. Next", 18,
            u"http://a.org/x" },
        LineCase { "the_dropped_full_stop", u"See http://a.org/x. Next", 19, u"" },
        LineCase { "comma_dropped", u"http://a.org, b", 3, u"http://a.org" },
        LineCase { "www_form_from_first_w", u"go www.site.com now", 4, u"www.site.com" },
        LineCase { "upper_case_www_not_found", u"go WWW.SITE.COM now", 4, u"" },
        LineCase { "upper_case_scheme_found", u"HTTP://SITE.COM", 1, u"HTTP://SITE.COM" },
        LineCase { "four_w_start_at_second", u"wwww.a.b", 3, u"www.a.b" },
        LineCase { "round_brackets", u"(http://a.b/c)", 5, u"http://a.b/c" },
        LineCase { "square_brackets", u"[http://a.b/c]", 5, u"http://a.b/c" },
        LineCase { "curly_brackets", u"{http://a.b/c}", 5, u"http://a.b/c" },
        LineCase { "closing_bracket_without_opening", u"x http://a.b/c)", 5, u"http://a.b/c)" },
        LineCase { "mismatched_brackets_kept", u"(http://a.b/c]", 5, u"http://a.b/c]" },
        LineCase { "quoted_in_round_brackets", u"('http://a.b/c')", 5, u"http://a.b/c" },
        LineCase { "quoted_with_semicolon", u"('http://a.b/c');", 5, u"http://a.b/c" },
        // Regression: lower-casing the whole line made U+0130 two characters
        // and shifted the colon's column.
        LineCase { "dotted_capital_i_earlier_in_line", u"\u0130 Http://a.b", 4, u"Http://a.b" },
        LineCase { "letters_glued_before_scheme", u"xhttp://a.b", 3, u"http://a.b" },
        LineCase { "file_two_slashes", u"file://c/x.txt", 2, u"file://c/x.txt" },
        LineCase { "file_three_slashes", u"file:///c/x.txt", 2, u"" },
        LineCase { "unknown_scheme", u"zzz://a.b", 1, u"" },
        LineCase { "user_name_in_address", u"ftp://me@host.org", 8, u"ftp://me@host.org" },
        LineCase { "ends_at_quote", u"\"http://a.b\" x", 4, u"http://a.b" },
        LineCase { "point_on_space", u"http://a.b c", 11, u"" },
        LineCase { "column_beyond_line", u"http://a.b", 11, u"" }),
    caseName);

class EmailCase : public testing::TestWithParam<LineCase>
{
};

TEST_P(EmailCase, FindsTheAddressUnderTheColumn)
{
    const LineCase &c = GetParam();
    EXPECT_EQ(orNone(LinkFinder().FindEmail(QStringView(c.line), c.column)),
        QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Email, EmailCase,
    testing::Values(LineCase { "plain", u"mail me@here.org now", 6, u"me@here.org" },
        LineCase { "sentence_end", u"Write to me@here.org.", 12, u"me@here.org" },
        LineCase { "four_with_full_stop", u"a@b. x", 1, u"" },
        LineCase { "five_with_full_stop", u"ab@c. x", 1, u"ab@c" },
        LineCase { "no_full_stop_after_at", u"a.b@cd x", 1, u"" },
        LineCase { "no_at", u"a.b.c.d x", 1, u"" },
        LineCase { "point_on_space", u"me@here.org x", 12, u"" },
        LineCase { "mailto_colon", u"mailto:me@here.org", 7, u"" },
        LineCase { "after_mailto", u"mailto:me@here.org", 9, u"me@here.org" },
        LineCase { "column_beyond_line", u"me@here.org", 12, u"" }),
    caseName);

TEST(EmailLimits, RunsOfTwoHundredCharactersAreNoAddress)
{
    const QString user(189, u'u');
    const QString fits = user + QLatin1String("@a.bcdefgh"); // 199 characters
    ASSERT_EQ(fits.size(), 199);
    EXPECT_EQ(orNone(LinkFinder().FindEmail(fits, 1)), fits);
    const QString tooLong = fits + u'i';
    EXPECT_FALSE(LinkFinder().FindEmail(tooLong, 1));
}

TEST(UrlLimits, ColonFarLeftIsNotFound)
{
    const QString path(600, u'p');
    const QString line = QLatin1String("http://") + path;
    const LinkFinder finder;
    EXPECT_EQ(orNone(finder.FindUrl(line, 100)), line);
    EXPECT_FALSE(finder.FindUrl(line, 590));
}

TEST(UrlScheme, MustFitBeforeTheColon)
{
    const LinkFinder finder;
    // The scheme must fit in front of the colon.
    EXPECT_FALSE(finder.MatchScheme(u"tp://", 3));
}

class FindLinkAtTest : public testing::Test
{
protected:
    // Line 0: "see http://a.org/x. or me@b.org"
    // Line 1: "http://u@h.org"
    FakeLinkView view { QStringLiteral("see http://a.org/x. or me@b.org\r\nhttp://u@h.org") };
    LinkFinder finder;

    LinkKind at(int line, int column0, bool web = true, bool email = true)
    {
        const QPoint p = FakeLinkView::Middle(line, column0);
        return finder.FindLinkAt(view, p.x(), p.y(), true, web, email);
    }
};

TEST_F(FindLinkAtTest, StoresTheLinkUnderTheCharacter)
{
    EXPECT_EQ(at(0, 4), LinkKind::Web);
    EXPECT_EQ(finder.link(), QStringLiteral("http://a.org/x"));
    EXPECT_EQ(at(0, 25), LinkKind::Email);
    EXPECT_EQ(finder.link(), QStringLiteral("me@b.org"));
}

TEST_F(FindLinkAtTest, LeftAndRightHalvesOfACharacterBothCount)
{
    // The character "s" before the address, then the "h" of it.
    EXPECT_EQ(finder.FindLinkAt(view, 3 * 8 + 7, 8, true, true, true), LinkKind::None);
    EXPECT_EQ(finder.FindLinkAt(view, 4 * 8 + 1, 8, true, true, true), LinkKind::Web);
    EXPECT_EQ(finder.FindLinkAt(view, 4 * 8 + 7, 8, true, true, true), LinkKind::Web);
}

TEST_F(FindLinkAtTest, WebWinsOverEmailAtTheSamePlace)
{
    EXPECT_EQ(at(1, 8), LinkKind::Web);
    EXPECT_EQ(finder.link(), QStringLiteral("http://u@h.org"));
    EXPECT_EQ(at(1, 8, false, true), LinkKind::Email);
    EXPECT_EQ(finder.link(), QStringLiteral("u@h.org"));
}

TEST_F(FindLinkAtTest, DisallowedKindsAndStoreFlag)
{
    EXPECT_EQ(at(0, 4, false, false), LinkKind::None);
    EXPECT_EQ(at(0, 4, false, true), LinkKind::None);
    EXPECT_EQ(at(0, 25, true, false), LinkKind::None);
    const QPoint p = FakeLinkView::Middle(0, 25);
    EXPECT_EQ(finder.FindLinkAt(view, p.x(), p.y(), false, true, true), LinkKind::Email);
    EXPECT_TRUE(finder.link().isEmpty());
}

TEST_F(FindLinkAtTest, NothingRightOfTheLineOrBelowTheText)
{
    // Line 1 ends at column 14; two characters further right.
    EXPECT_EQ(finder.FindLinkAt(view, 16 * 8 + 4, 24, true, true, true), LinkKind::None);
    EXPECT_EQ(finder.FindLinkAt(view, 20, 5 * 16, true, true, true), LinkKind::None);
}

TEST_F(FindLinkAtTest, LinkRangeCoversTheOccurrenceUnderThePoint)
{
    FakeLinkView twice(QStringLiteral("x\r\nwww.a.b and www.a.b"));
    ASSERT_EQ(finder.FindLinkAt(twice, 8 * 17, 24, true, true, true), LinkKind::Web);
    EXPECT_EQ(finder.FindLinkRange(twice, 8 * 17, 24), (LinkFinder::TextSpan { 3 + 12, 7 }));
    EXPECT_EQ(finder.FindLinkRange(twice, 8 * 2, 24), (LinkFinder::TextSpan { 3, 7 }));
}

TEST_F(FindLinkAtTest, EmptyLinkRangeEnds)
{
    // Regression: searching for an empty link text never advanced.
    EXPECT_EQ(finder.FindLinkRange(view, 20, 8), LinkFinder::TextSpan {});
}

} // namespace
