// The line and prefix commands in the running window, through their real shortcuts.
#include "mainwindowfixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>

namespace {

class LinesTest : public MainWindowTest
{
protected:
    void SetUp() override { open(); }

    void open()
    {
        window = start();
        ASSERT_NO_FATAL_FAILURE(ShowActive(*window));
        ASSERT_TRUE(QTest::qWaitFor([&] { return memo()->hasFocus(); }));
    }

    TMemoPad *memo() const { return window->memo(); }

    void setText(const QString &text, int anchor, int caret)
    {
        memo()->setText(text);
        memo()->SetSel(anchor, caret);
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(memo(), key, modifiers);
    }

    QString setting(SettingKey key) const { return window->settings()[key].value(); }
    QString actionText(const char *name) const { return action(*window, name)->text(); }
    bool actionEnabled(const char *name) const { return action(*window, name)->isEnabled(); }

    // The prefix dialog is answered with this string and operation.
    void answerPrefixDialog(const QString &prefix, bool add, bool remember)
    {
        fakes.dialog = [=, this](QDialog *dialog) {
            seenDialogText = dialog->findChild<QLineEdit *>(QStringLiteral("editBox"))->text();
            seenAdd = dialog->findChild<QRadioButton *>(QStringLiteral("radioAdd"))->isChecked();
            dialog->findChild<QLineEdit *>(QStringLiteral("editBox"))->setText(prefix);
            dialog
                ->findChild<QRadioButton *>(
                    add ? QStringLiteral("radioAdd") : QStringLiteral("radioRemove"))
                ->setChecked(true);
            dialog->findChild<QCheckBox *>(QStringLiteral("rememberStringCheckBox"))
                ->setChecked(remember);
            return int(QDialog::Accepted);
        };
    }

    std::unique_ptr<TformMain> window;
    QString seenDialogText;
    bool seenAdd = false;
};

const QString Fruit = QStringLiteral("x\r\ncherry\r\napple\r\nBanana\r\ny");

TEST_F(LinesTest, AltTSortsTheSelectedLinesAndOneUndoRestores)
{
    setText(Fruit, 4, 16); // middle of "cherry" to middle of "apple"... and "Banana"
    memo()->SetSel(4, 23);
    press(Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(memo()->text(), u"x\r\napple\r\nBanana\r\ncherry\r\ny");
    EXPECT_EQ(memo()->SelectedText(), u"apple\r\nBanana\r\ncherry");
    memo()->undo();
    EXPECT_EQ(memo()->text(), Fruit);
}

TEST_F(LinesTest, AltShiftTSortsDescending)
{
    setText(Fruit, 3, 24);
    press(Qt::Key_T, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(memo()->text(), u"x\r\ncherry\r\nBanana\r\napple\r\ny");
}

TEST_F(LinesTest, SortNeedsTheFocusAndAnEditableText)
{
    setText(Fruit, 3, 24);
    memo()->clearFocus();
    action(*window, "SortselectedlinesAZ1")->trigger();
    EXPECT_EQ(memo()->text(), Fruit);
    EXPECT_TRUE(fakes.messages.empty());

    memo()->setFocus();
    memo()->setReadOnly(true);
    press(Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(memo()->text(), Fruit);
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(fakes.messages[0].text,
        u"You have selected to not allow changes to the text. This can be turned off under the "
        u"Settings menu.");
}

TEST_F(LinesTest, WrappedLongLineSortsAsOneLine)
{
    action(*window, "wordwrap1")->trigger();
    const QString longLine = QStringLiteral("zz ").repeated(200);
    setText(longLine + QStringLiteral("\r\nb\r\na"), 0, int(longLine.size()) + 5);
    ASSERT_GT(memo()->LineCount(), 3);
    press(Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(memo()->text(), QStringLiteral("a\r\nb\r\n") + longLine);
}

TEST_F(LinesTest, CtrlDInsertsTimeAndDateOverTheSelection)
{
    setText(QStringLiteral("ab\r\ncd"), 1, 5);
    press(Qt::Key_D, Qt::ControlModifier);
    const QString text = memo()->text();
    ASSERT_TRUE(text.startsWith(u'a') && text.endsWith(u'd')) << text.toStdString();
    const QString stamp = text.mid(1, text.size() - 2);
    EXPECT_TRUE(stamp.contains(u' ')) << stamp.toStdString();
    EXPECT_EQ(memo()->SelLength(), 0);
    EXPECT_EQ(memo()->Caret(), 1 + stamp.size());
    memo()->undo();
    EXPECT_EQ(memo()->text(), u"ab\r\ncd");
}

TEST_F(LinesTest, ShiftDelDeletesTheCaretLineWithoutTheClipboard)
{
    setText(QStringLiteral("1\r\n2\r\n33\r\n4\r\n5"), 7, 7);
    press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(memo()->text(), u"1\r\n2\r\n4\r\n5");
    EXPECT_EQ(memo()->Caret(), 6);
    EXPECT_TRUE(fakes.clipboard.isEmpty());
}

TEST_F(LinesTest, QuickPrefixCommandsStartDisabledWithoutAStoredString)
{
    EXPECT_FALSE(actionEnabled("Appendlaststringtoselectedlines1"));
    EXPECT_EQ(actionText("Appendlaststringtoselectedlines1"), u"Add last string to selected lines");
    EXPECT_EQ(
        actionText("Removelaststringtoselectedlines1"), u"Remove last string from selected lines");
}

TEST_F(LinesTest, StoredStringEnablesQuickCommandsAtStart)
{
    storeSetting("prefixString", QStringLiteral("0123456789").repeated(4));
    open();
    EXPECT_TRUE(actionEnabled("Removelaststringtoselectedlines1"));
    EXPECT_EQ(actionText("Appendlaststringtoselectedlines1"),
        u"Add last string to selected lines (012345678901234567890123456789012...)");
}

TEST_F(LinesTest, DialogAddsAndAltRRemovesTheLastString)
{
    setText(QStringLiteral("a\r\nbb\r\ncc\r\ndd\r\ne"), 4, 11);
    answerPrefixDialog(QStringLiteral("> "), true, true);
    action(*window, "Appendcustomstringtoselectedlines1")->trigger();
    EXPECT_TRUE(seenAdd);
    EXPECT_EQ(memo()->text(), u"a\r\n> bb\r\n> cc\r\n> dd\r\ne");
    EXPECT_EQ(memo()->SelectedText(), u"> bb\r\n> cc\r\n> dd");
    EXPECT_EQ(setting(SettingKey::prefixString), u"> ");
    EXPECT_EQ(setting(SettingKey::rememberPrefixString), u"1");
    EXPECT_EQ(actionText("Removelaststringtoselectedlines1"),
        u"Remove last string from selected lines (> )");

    press(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(memo()->text(), u"a\r\nbb\r\ncc\r\ndd\r\ne");
    memo()->undo();
    EXPECT_EQ(memo()->text(), u"a\r\n> bb\r\n> cc\r\n> dd\r\ne");
}

TEST_F(LinesTest, UncheckedRememberKeepsNothingForTheNextStart)
{
    answerPrefixDialog(QStringLiteral("#"), true, false);
    action(*window, "Appendcustomstringtoselectedlines1")->trigger();
    EXPECT_EQ(setting(SettingKey::prefixString), u"");
    EXPECT_EQ(setting(SettingKey::rememberPrefixString), u"0");
    EXPECT_TRUE(actionEnabled("Appendlaststringtoselectedlines1"));
    open();
    EXPECT_FALSE(actionEnabled("Appendlaststringtoselectedlines1"));
}

TEST_F(LinesTest, AltAOnOneLineKeepsTheCaretOnItsText)
{
    window->SetLastPrefix(QStringLiteral("REM "));
    setText(QStringLiteral("x\r\nline one"), 7, 7);
    press(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(memo()->text(), u"x\r\nREM line one");
    EXPECT_EQ(memo()->Caret(), 11);
    EXPECT_EQ(memo()->SelLength(), 0);

    // Removing with the caret inside the string leaves it at the line start.
    memo()->SetSel(5, 5);
    press(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(memo()->text(), u"x\r\nline one");
    EXPECT_EQ(memo()->Caret(), 3);
}

TEST_F(LinesTest, TabIndentsOnlyAWholeLineOrSeveral)
{
    setText(QStringLiteral("  ab\r\ncd"), 2, 4);
    press(Qt::Key_Tab, Qt::NoModifier);
    EXPECT_EQ(memo()->text(), u"\t  ab\r\ncd");
    EXPECT_EQ(memo()->SelectedText(), u"\t  ab");

    // Part of a line: the tab replaces the selection as usual.
    memo()->SetSel(8, 9);
    press(Qt::Key_Tab, Qt::NoModifier);
    EXPECT_EQ(memo()->text(), u"\t  ab\r\nc\t");

    // Shift+Tab never types a tab.
    memo()->SetSel(0, 0);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(memo()->text(), u"  ab\r\nc\t");
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(memo()->text(), u"ab\r\nc\t");
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(memo()->text(), u"ab\r\nc\t");
}

TEST_F(LinesTest, AltRBeforeAnyStringOpensTheDialogWithRemove)
{
    setText(QStringLiteral("#a\r\nb"), 1, 1);
    answerPrefixDialog(QStringLiteral("#"), false, false);
    press(Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(seenDialogText.isEmpty());
    EXPECT_FALSE(seenAdd);
    EXPECT_EQ(memo()->text(), u"a\r\nb");
    EXPECT_EQ(memo()->Caret(), 0);
    EXPECT_TRUE(actionEnabled("Removelaststringtoselectedlines1"));
}

TEST_F(LinesTest, UntabifyUsesTheTabWidthInEffect)
{
    window->settings()[SettingKey::tabSize].setValue(QStringLiteral("4"));
    setText(QStringLiteral("          x\r\n  y"), 0, 14);
    action(*window, "Untabifyselectedlines1")->trigger();
    EXPECT_EQ(memo()->text(), u"      x\r\ny");
    EXPECT_EQ(memo()->SelectedText(), memo()->text());
}

TEST_F(LinesTest, ReadOnlyTabFallsThroughSilently)
{
    memo()->setReadOnly(true);
    setText(QStringLiteral("a\r\nb"), 0, 4);
    EXPECT_FALSE(window->IndentLines(true, false));
    EXPECT_TRUE(fakes.messages.empty());
    action(*window, "T1")->trigger();
    EXPECT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(memo()->text(), u"a\r\nb");
}

} // namespace
