#include "mainwindowfixture.h"

#include <QtTest/QTest>

namespace {

// Line 0: "see http://a.org/x or" ; line 1: "mail me@b.org now"
const QString Text = QStringLiteral("see http://a.org/x or\r\nmail me@b.org now");
constexpr int WebIndex = 8; // the "/" after "http:"
constexpr int PlainIndex = 1; // the "e" of "see"
constexpr int MailIndex = 23 + 6; // the "@"

class LinksTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        window = startAs(QStringLiteral("/tmp/orvane"));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        memo()->setText(Text);
    }

    TMemoPad *memo() const { return window->memo(); }
    QWidget *viewport() const { return memo()->viewport(); }

    // The middle of a character in the editor's client coordinates.
    QPoint middleOf(int index) const
    {
        const QPoint left = *memo()->PosFromChar(index);
        const QPoint right = *memo()->PosFromChar(index + 1);
        return { (left.x() + right.x()) / 2, left.y() + memo()->fontMetrics().height() / 2 };
    }

    void setting(SettingKey key, const char *value)
    {
        window->settings()[key].setValue(QLatin1String(value));
    }

    void moveTo(int index) { QTest::mouseMove(viewport(), middleOf(index)); }

    void click(QPoint press, QPoint release, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(viewport(), Qt::LeftButton, modifiers, press);
        QTest::mouseRelease(viewport(), Qt::LeftButton, modifiers, release);
    }

    // What the platform sends for a double click: the second press comes
    // as the double click itself.
    void doubleClick(QPoint pos)
    {
        click(pos, pos);
        QTest::mouseDClick(viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, pos);
    }

    std::vector<QString> opened() const { return fakes.openedUrls; }

    std::unique_ptr<TformMain> window;
};

TEST_F(LinksTest, HoverShowsHandAndHintOnlyOverLinks)
{
    moveTo(WebIndex);
    EXPECT_EQ(viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(memo()->toolTip(), QStringLiteral("CTRL + click to open link\nhttp://a.org/x"));
    moveTo(PlainIndex);
    EXPECT_EQ(viewport()->cursor().shape(), Qt::IBeamCursor);
    EXPECT_TRUE(memo()->toolTip().isEmpty());
}

TEST_F(LinksTest, AnotherLinkHidesTheHintForOneMovement)
{
    moveTo(WebIndex);
    moveTo(MailIndex);
    EXPECT_EQ(viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(memo()->toolTip().isEmpty());
    moveTo(MailIndex + 1);
    EXPECT_EQ(memo()->toolTip(), QStringLiteral("CTRL + click to compose e-mail\nme@b.org"));
}

TEST_F(LinksTest, WebLinksOffStillLeavesEmailHints)
{
    setting(SettingKey::urlFollow, "none");
    moveTo(WebIndex);
    EXPECT_EQ(viewport()->cursor().shape(), Qt::IBeamCursor);
    EXPECT_TRUE(memo()->toolTip().isEmpty());
    moveTo(MailIndex);
    EXPECT_EQ(viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(memo()->toolTip(), QStringLiteral("CTRL + click to compose e-mail\nme@b.org"));
}

TEST_F(LinksTest, LinkOnAWrappedLineIsFound)
{
    memo()->SetWordWrap(true);
    const QString words = QStringLiteral("word ").repeated(60);
    memo()->setText(words + QStringLiteral("http://wrap.org/y end"));
    const int link = int(words.size()) + 3;
    ASSERT_GT(memo()->LineFromCharIndex(link), 0);
    moveTo(link);
    EXPECT_EQ(memo()->toolTip(), QStringLiteral("CTRL + click to open link\nhttp://wrap.org/y"));
}

TEST_F(LinksTest, CtrlClickOpensOnlyWithCtrl)
{
    const QPoint web = middleOf(WebIndex);
    click(web, web);
    EXPECT_TRUE(opened().empty());
    click(web, web, Qt::ControlModifier);
    EXPECT_EQ(opened(), std::vector<QString> { QStringLiteral("http://a.org/x") });
}

TEST_F(LinksTest, SingleClickOpensUnlessDraggedTenPixels)
{
    setting(SettingKey::emailFollow, "click");
    const QPoint mail = middleOf(MailIndex);
    click(mail - QPoint(10, 0), mail);
    click(mail, mail, Qt::ControlModifier);
    EXPECT_TRUE(opened().empty());
    click(mail - QPoint(9, 0), mail);
    EXPECT_EQ(opened(), std::vector<QString> { QStringLiteral("mailto:me@b.org") });
}

TEST_F(LinksTest, DoubleClickOpensByItsSettingAndReportsTheLink)
{
    setting(SettingKey::urlFollow, "doubleClick");
    doubleClick(middleOf(MailIndex));
    EXPECT_TRUE(opened().empty());
    doubleClick(middleOf(WebIndex));
    EXPECT_EQ(opened(), std::vector<QString> { QStringLiteral("http://a.org/x") });
    EXPECT_EQ(window->linkFinder().link(), QStringLiteral("http://a.org/x"));
}

} // namespace
