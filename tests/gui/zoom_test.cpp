// Zoom, automatic width and the window options in the running window.
#include "mainwindowfixture.h"

#include <QMenuBar>
#include <QWheelEvent>
#include <QtTest/QTest>

namespace {

// Counts the font changes the editor gets.
struct FontChanges : QObject
{
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::FontChange ? 1 : 0;
        return false;
    }
};

class ZoomTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        window = startAs(QStringLiteral(ORVANE_EXE_DIR "/orvane"));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->memo()->setFocus();
    }
    TMemoPad *memo() const { return window->memo(); }
    void wheel(int delta)
    {
        QWheelEvent event(QPointF(10, 10), memo()->viewport()->mapToGlobal(QPointF(10, 10)),
            QPoint(), QPoint(0, delta), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
            false);
        QApplication::sendEvent(memo()->viewport(), &event);
    }

    std::unique_ptr<TformMain> window;
};

TEST_F(ZoomTest, EveryTriggerSteps)
{
    QTest::keyClick(memo(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window->zoomPercent(), 110);
    QTest::keyClick(memo(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(window->zoomPercent(), 120);
    QTest::keyClick(memo(), Qt::Key_Slash, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(window->zoomPercent(), 110);
    QTest::keyClick(memo(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window->zoomPercent(), 100);
    wheel(120);
    EXPECT_EQ(window->zoomPercent(), 110);
    wheel(-120);
    wheel(-120);
    EXPECT_EQ(window->zoomPercent(), 90);
    QTest::keyClick(memo(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window->zoomPercent(), 100);
    EXPECT_TRUE(memo()->text().isEmpty()); // nothing was typed
}

TEST_F(ZoomTest, ZoomSizesTheFontAndKeepsTheSelection)
{
    memo()->setText(QStringLiteral("one two three"));
    memo()->SetSel(4, 7);
    window->SetModified(false);
    const int before = memo()->font().pixelSize();
    window->ChangeZoom(ZoomStep::In);
    EXPECT_GT(memo()->font().pixelSize(), before);
    EXPECT_EQ(memo()->SelectedText(), QStringLiteral("two"));
    EXPECT_FALSE(window->isModified());
}

TEST_F(ZoomTest, AtFiveHundredZoomingInDoesNotReapplyTheFont)
{
    while (window->zoomPercent() < 500)
        window->ChangeZoom(ZoomStep::In);
    FontChanges changes;
    memo()->installEventFilter(&changes);
    window->ChangeZoom(ZoomStep::In);
    EXPECT_EQ(window->zoomPercent(), 500);
    EXPECT_EQ(changes.count, 0);
    window->ChangeZoom(ZoomStep::Out);
    EXPECT_GT(changes.count, 0);
}

TEST_F(ZoomTest, AutoWidthFollowsTheLongestUnwrappedLine)
{
    window->resize(900, 400);
    const int charWidth = memo()->fontMetrics().averageCharWidth();
    const QString longLine = QString(60, QLatin1Char('x'));
    memo()->SetWordWrap(true);
    memo()->setText(QStringLiteral("short\r\n") + longLine);
    const int frame = window->frameGeometry().width() - memo()->width();
    window->AutoWidth();
    EXPECT_EQ(window->frameGeometry().width(), 60 * charWidth + frame + 40);
}

TEST_F(ZoomTest, AutoWidthLeavesAnEmptyDocumentAlone)
{
    window->resize(900, 400);
    window->AutoWidth();
    EXPECT_EQ(window->width(), 900);
}

TEST_F(ZoomTest, F2TurnsAutoWidthOffAndOn)
{
    window->resize(900, 400);
    memo()->setText(QStringLiteral("abcde"));
    QAction *item = action(*window, "autoWidth1");
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(window->settings()[SettingKey::autoWidth].isOn());
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(window->width(), 900);
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(window->frameGeometry().width(), 300);
}

TEST_F(ZoomTest, HiddenMenuBarComesBackWithAltAndGoesWithTheMouse)
{
    fakes.messageAnswers.push_back(7); // No
    action(*window, "MenuBar1")->trigger();
    EXPECT_TRUE(window->MenuBarVisible());
    EXPECT_TRUE(window->settings()[SettingKey::showMenuBar].isOn());
    EXPECT_TRUE(action(*window, "MenuBar1")->isChecked());

    fakes.messageAnswers.push_back(6); // Yes
    action(*window, "MenuBar1")->trigger();
    EXPECT_FALSE(window->MenuBarVisible());
    EXPECT_FALSE(window->menuBar()->isVisible());

    // The platform reports Alt held on the press of Alt itself.
    QTest::keyPress(memo(), Qt::Key_Alt);
    QTest::keyRelease(memo(), Qt::Key_Alt);
    EXPECT_TRUE(window->MenuBarVisible());
    QTest::mouseMove(memo()->viewport(), QPoint(20, 20));
    EXPECT_FALSE(window->MenuBarVisible());

    // Escape hides the menus shown for a moment instead of closing.
    window->settings()[SettingKey::escExits].setOn(true);
    QTest::keyClick(memo(), Qt::Key_Alt);
    QTest::keyClick(memo(), Qt::Key_Escape);
    EXPECT_FALSE(window->MenuBarVisible());
    EXPECT_TRUE(window->isVisible());

    // Shortcuts still work while the menus are hidden.
    QTest::keyClick(memo(), Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(window->settings()[SettingKey::alphaBlend].isOn());
    QTest::keyClick(memo(), Qt::Key_F1, Qt::ControlModifier);
    EXPECT_TRUE(window->MenuBarVisible());
}

TEST_F(ZoomTest, AlwaysOnTopAndTranslucencyKeepTheWindowWhereItIs)
{
    window->settings()[SettingKey::alphaBlendAmount].setInt(128);
    const QRect before = window->geometry();
    QTest::keyClick(memo(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), before);
    action(*window, "alphablend1")->trigger();
    EXPECT_NEAR(window->windowOpacity(), 128 / 255.0, 0.01);
    action(*window, "alphablend1")->trigger();
    EXPECT_EQ(window->windowOpacity(), 1.0);
}

TEST_F(ZoomTest, WindowOptionsApplyAtStart)
{
    storeSetting("alwaysOnTop", QStringLiteral("1"));
    storeSetting("alphaBlend", QStringLiteral("1"));
    storeSetting("alphaBlendAmount", QStringLiteral("200"));
    storeSetting("showMenuBar", QStringLiteral("0"));
    const std::unique_ptr<TformMain> second = start();
    EXPECT_TRUE(second->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(action(*second, "Topmost1")->isChecked());
    EXPECT_NEAR(second->windowOpacity(), 200 / 255.0, 0.01);
    EXPECT_FALSE(second->MenuBarVisible());
    EXPECT_FALSE(action(*second, "MenuBar1")->isChecked());
}

} // namespace
