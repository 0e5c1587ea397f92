#include "fakelinkview.h"
#include "links/linkactions.h"

#include <gtest/gtest.h>

namespace {

TEST(LinkHintText, EachKindAndWayOfOpening)
{
    const QString web = QStringLiteral("http://a.b");
    const QString mail = QStringLiteral("me@a.b");
    EXPECT_EQ(LinkHint(LinkKind::Web, LinkFollow::Click, web),
        QStringLiteral("Click to open link\nhttp://a.b"));
    EXPECT_EQ(LinkHint(LinkKind::Web, LinkFollow::DoubleClick, web),
        QStringLiteral("Double click to open link\nhttp://a.b"));
    EXPECT_EQ(LinkHint(LinkKind::Web, LinkFollow::CtrlClick, web),
        QStringLiteral("CTRL + click to open link\nhttp://a.b"));
    EXPECT_EQ(LinkHint(LinkKind::Email, LinkFollow::Click, mail),
        QStringLiteral("Click to compose e-mail\nme@a.b"));
    EXPECT_EQ(LinkHint(LinkKind::Email, LinkFollow::DoubleClick, mail),
        QStringLiteral("Double click to compose e-mail\nme@a.b"));
    EXPECT_EQ(LinkHint(LinkKind::Email, LinkFollow::CtrlClick, mail),
        QStringLiteral("CTRL + click to compose e-mail\nme@a.b"));
    EXPECT_TRUE(LinkHint(LinkKind::Web, LinkFollow::None, web).isEmpty());
    EXPECT_TRUE(LinkHint(LinkKind::None, LinkFollow::Click, web).isEmpty());
}

struct LinkUrlCase
{
    const char *name;
    LinkKind kind;
    const char16_t *link;
    const char16_t *address;
};

class LinkUrlForShell : public testing::TestWithParam<LinkUrlCase>
{
};

// Regression: addresses QUrl could not parse went out guessed ("http://http//a.example:99999/x").
TEST_P(LinkUrlForShell, AddressGoesOutAsFound)
{
    const LinkUrlCase &c = GetParam();
    EXPECT_EQ(LinkUrl(c.kind, QString::fromUtf16(c.link)), QString::fromUtf16(c.address));
}

INSTANTIATE_TEST_SUITE_P(Links, LinkUrlForShell,
    testing::Values(
        LinkUrlCase { "mailto_before_email", LinkKind::Email, u"me@a.org", u"mailto:me@a.org" },
        LinkUrlCase { "scheme_kept", LinkKind::Web, u"ftp://a.org/x", u"ftp://a.org/x" },
        LinkUrlCase { "http_before_www", LinkKind::Web, u"www.a.org", u"http://www.a.org" },
        LinkUrlCase {
            "http_before_upper_www", LinkKind::Web, u"WWW.a.org/x", u"http://WWW.a.org/x" },
        LinkUrlCase { "port_out_of_range", LinkKind::Web, u"http://a.example:99999/x",
            u"http://a.example:99999/x" },
        LinkUrlCase {
            "port_not_a_number", LinkKind::Web, u"http://host:8o/x", u"http://host:8o/x" },
        LinkUrlCase { "delimiters_and_escapes_kept", LinkKind::Web,
            u"https://a.org/p%20q?x=1&y=[2]#f!$'()*+,;=@~",
            u"https://a.org/p%20q?x=1&y=[2]#f!$'()*+,;=@~" },
        LinkUrlCase { "non_ascii_encoded", LinkKind::Web, u"http://a.org/caf\u00E9",
            u"http://a.org/caf%C3%A9" },
        LinkUrlCase { "what_a_url_cannot_carry", LinkKind::Web, u"http://a.org/\"<>\\^`{|}",
            u"http://a.org/%22%3C%3E%5C%5E%60%7B%7C%7D" },
        LinkUrlCase {
            "www_not_at_start_gets_no_scheme", LinkKind::Web, u"x.www.a.org", u"x.www.a.org" }),
    [](const testing::TestParamInfo<LinkUrlCase> &info) { return std::string(info.param.name); });

// Line 0: "web http://a.org/x mail me@b.org"  (h at 4, m of me at 24)
// Line 1: "www.c.org"
class LinkMouseTest : public testing::Test
{
protected:
    FakeLinkView view { QStringLiteral("web http://a.org/x mail me@b.org\r\nwww.c.org") };
    LinkFinder finder;
    const QPoint web = FakeLinkView::Middle(0, 6);
    const QPoint otherWeb = FakeLinkView::Middle(1, 2);
    const QPoint mail = FakeLinkView::Middle(0, 26);
    const QPoint plain = FakeLinkView::Middle(0, 1);

    static LinkSettings settings(const char *url, const char *email)
    {
        return LinkSettings::FromValues(QLatin1String(url), QLatin1String(email));
    }
};

TEST_F(LinkMouseTest, NewLinkTextSwitchesTheTooltipOffOnce)
{
    LinkHover hover;
    const LinkSettings s = settings("click", "click");
    EXPECT_TRUE(hover.Move(finder, view, web, s).showHint);
    EXPECT_TRUE(hover.Move(finder, view, web, s).showHint);
    const LinkHover::State switched = hover.Move(finder, view, otherWeb, s);
    EXPECT_TRUE(switched.hand);
    EXPECT_FALSE(switched.showHint);
    EXPECT_EQ(switched.hint, QStringLiteral("Click to open link\nwww.c.org"));
    EXPECT_TRUE(hover.Move(finder, view, otherWeb, s).showHint);

    const LinkHover::State off = hover.Move(finder, view, plain, s);
    EXPECT_FALSE(off.hand);
    EXPECT_FALSE(off.showHint);
    // Back on a link after plain text: shown at once, even with a new text.
    EXPECT_TRUE(hover.Move(finder, view, mail, s).showHint);
}

TEST_F(LinkMouseTest, CtrlClickOpensOnPressOnlyWithCtrl)
{
    const LinkSettings s = settings("ctrlClick", "click");
    EXPECT_EQ(LinkToOpenOnPress(finder, view, web, false, s), LinkKind::None);
    EXPECT_EQ(LinkToOpenOnPress(finder, view, web, true, s), LinkKind::Web);
    EXPECT_EQ(finder.link(), QStringLiteral("http://a.org/x"));
    // The e-mail address opens on a plain click, not on Ctrl+press.
    EXPECT_EQ(LinkToOpenOnPress(finder, view, mail, true, s), LinkKind::None);
}

TEST_F(LinkMouseTest, SingleClickWithinNinePixelsWithoutCtrl)
{
    const LinkSettings s = settings("click", "ctrlClick");
    const QPoint down = web - QPoint(9, 0);
    EXPECT_EQ(LinkToOpenOnRelease(finder, view, down, web, false, s), LinkKind::Web);
    EXPECT_EQ(
        LinkToOpenOnRelease(finder, view, web - QPoint(10, 0), web, false, s), LinkKind::None);
    EXPECT_EQ(LinkToOpenOnRelease(finder, view, down, web, true, s), LinkKind::None);
    EXPECT_EQ(LinkToOpenOnRelease(finder, view, mail, mail, false, s), LinkKind::None);
}

TEST_F(LinkMouseTest, DoubleClickFindsBothKindsButOpensOnlyBySetting)
{
    const LinkSettings s = settings("none", "doubleClick");
    const DoubleClickLink onWeb = LinkOnDoubleClick(finder, view, web, s);
    EXPECT_EQ(onWeb.found, LinkKind::Web);
    EXPECT_FALSE(onWeb.open);
    const DoubleClickLink onMail = LinkOnDoubleClick(finder, view, mail, s);
    EXPECT_EQ(onMail.found, LinkKind::Email);
    EXPECT_TRUE(onMail.open);
    EXPECT_FALSE(LinkOnDoubleClick(finder, view, plain, s).open);
}

TEST_F(LinkMouseTest, UserNameInWebAddressOpensAsWeb)
{
    FakeLinkView withUser(QStringLiteral("http://me@b.org"));
    const LinkSettings s = settings("ctrlClick", "ctrlClick");
    EXPECT_EQ(
        LinkToOpenOnPress(finder, withUser, FakeLinkView::Middle(0, 9), true, s), LinkKind::Web);
    EXPECT_EQ(finder.link(), QStringLiteral("http://me@b.org"));
}

} // namespace
