// Keys and mouse sent to the running window.
#include "mainwindowfixture.h"

#include <QtTest/QTest>

namespace {

class InputTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        window = start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        memo()->setFocus();
    }

    TMemoPad *memo() const { return window->memo(); }
    QWidget *viewport() const { return memo()->viewport(); }
    void setting(SettingKey key, const char *value)
    {
        window->settings()[key].setValue(QLatin1String(value));
    }
    QPoint middleOf(int index) const
    {
        const QPoint left = *memo()->PosFromChar(index);
        const QPoint right = *memo()->PosFromChar(index + 1);
        return { (left.x() + right.x()) / 2, left.y() + memo()->fontMetrics().height() / 2 };
    }
    // The platform's double click: press, release, the double click, release.
    void doubleClick(QPoint pos)
    {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, pos);
    }

    std::unique_ptr<TformMain> window;
};

TEST_F(InputTest, OverwriteReplacesCharactersButNeverALineBreak)
{
    memo()->setText(QStringLiteral("abc\r\nde"));
    memo()->SetSel(1, 1);
    QTest::keyClick(memo(), Qt::Key_Insert);
    EXPECT_TRUE(window->overwriteMode());
    QTest::keyClicks(memo(), QStringLiteral("XYZW"));
    EXPECT_EQ(memo()->text(), QStringLiteral("aXYZW\r\nde"));
    QTest::keyClick(memo(), Qt::Key_Return);
    EXPECT_EQ(memo()->text(), QStringLiteral("aXYZW\r\n\r\nde"));
    // With a selection typing replaces just the selection.
    memo()->SetSel(0, 3);
    QTest::keyClick(memo(), Qt::Key_Q);
    EXPECT_EQ(memo()->text(), QStringLiteral("qZW\r\n\r\nde"));
    QTest::keyClick(memo(), Qt::Key_Insert);
    QTest::keyClick(memo(), Qt::Key_R);
    EXPECT_EQ(memo()->text(), QStringLiteral("qrZW\r\n\r\nde"));
}

TEST_F(InputTest, CtrlHAndCtrlMChangeNothing)
{
    memo()->setText(QStringLiteral("abc"));
    memo()->SetSel(2, 2);
    QTest::keyClick(memo(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(memo(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), QStringLiteral("abc"));
}

TEST_F(InputTest, CtrlMinusIsNeverTyped)
{
    memo()->setText(QStringLiteral("abc"));
    QTest::keyClick(memo(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), QStringLiteral("abc"));
}

TEST_F(InputTest, CtrlBackspaceDeletesTheWordBeforeTheCaretAsOneUndo)
{
    memo()->setText(QStringLiteral("one two three"));
    memo()->SetSel(8, 8);
    QTest::keyClick(memo(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), QStringLiteral("one three"));
    memo()->undo();
    EXPECT_EQ(memo()->text(), QStringLiteral("one two three"));
}

TEST_F(InputTest, CtrlBackspaceInAReadOnlyEditorOnlyTells)
{
    memo()->setText(QStringLiteral("one two"));
    memo()->setReadOnly(true);
    memo()->SetSel(7, 7);
    QTest::keyClick(memo(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), QStringLiteral("one two"));
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_TRUE(
        fakes.messages[0].text.startsWith(QStringLiteral("You have selected to not allow")));
}

TEST_F(InputTest, CtrlArrowsMoveByWord)
{
    memo()->setText(QStringLiteral("one two  three"));
    memo()->SetSel(0, 0);
    QTest::keyClick(memo(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(memo()->Caret(), 4);
    QTest::keyClick(memo(), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(memo()->Anchor(), 4);
    EXPECT_EQ(memo()->Caret(), 7);
}

TEST_F(InputTest, AltDownScrollsAndLeavesTheCaret)
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    memo()->setText(text);
    memo()->SetSel(0, 0);
    QTest::keyClick(memo(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(memo()->FirstVisibleLine(), 3);
    EXPECT_EQ(memo()->Caret(), 0);
    // Left and Right keep moving the caret when they do not scroll.
    setting(SettingKey::directScrollingAlwaysEnabled, "1");
    setting(SettingKey::directScrollingLeftRightEnabled, "0");
    QTest::keyClick(memo(), Qt::Key_Right);
    EXPECT_EQ(memo()->Caret(), 1);
}

TEST_F(InputTest, DoubleClickThenQuickThirdPressSelectsTheLine)
{
    memo()->setText(QStringLiteral("first line here\r\nsecond"));
    const QPoint at = middleOf(7);
    doubleClick(at);
    EXPECT_EQ(memo()->SelectedText(), QStringLiteral("line"));
    QTest::mousePress(viewport(), Qt::LeftButton, {}, at + QPoint(2, 0));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at + QPoint(2, 0));
    EXPECT_EQ(memo()->SelectedText(), QStringLiteral("first line here"));
}

TEST_F(InputTest, ThirdPressFivePixelsAsideIsAPlainClick)
{
    memo()->setText(QStringLiteral("first line here\r\nsecond"));
    const QPoint at = middleOf(7);
    doubleClick(at);
    QTest::mousePress(viewport(), Qt::LeftButton, {}, at + QPoint(5, 0));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at + QPoint(5, 0));
    EXPECT_EQ(memo()->SelLength(), 0);
}

TEST_F(InputTest, CopyOnSelectCopiesADoubleClickedWord)
{
    setting(SettingKey::copyOnSelect, "1");
    memo()->setText(QStringLiteral("first line here"));
    doubleClick(middleOf(7));
    EXPECT_EQ(fakes.clipboard, QStringLiteral("line"));
    EXPECT_EQ(memo()->SelLength(), 0);
    EXPECT_EQ(memo()->Caret(), 10);
}

TEST_F(InputTest, CtrlClickSelectsAWordAndCtrlDragExtendsByWords)
{
    memo()->setText(QStringLiteral("alpha beta gamma delta"));
    QTest::mousePress(viewport(), Qt::LeftButton, Qt::ControlModifier, middleOf(7));
    EXPECT_EQ(memo()->SelectedText(), QStringLiteral("beta"));
    QMouseEvent move(QEvent::MouseMove, middleOf(13), viewport()->mapToGlobal(middleOf(13)),
        Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(viewport(), &move);
    EXPECT_EQ(memo()->SelectedText(), QStringLiteral("beta gamma"));
    QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::ControlModifier, middleOf(13));
}

TEST_F(InputTest, EscapeClosesTheWindowWhenSetTo)
{
    setting(SettingKey::escExits, "0");
    QTest::keyClick(memo(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    setting(SettingKey::escExits, "1");
    QTest::keyClick(memo(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
