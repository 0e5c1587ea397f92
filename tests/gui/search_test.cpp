#include "mainwindowfixture.h"
#include "search/form05_myfind.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest/QTest>

namespace {

class SearchWindowTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        window = start();
        ASSERT_NO_FATAL_FAILURE(ShowActive(*window));
    }

    TMemoPad *memo() const { return window->memo(); }
    TformMyFind *dialog() const { return window->findDialog(); }
    template <typename T> T *control(const char *name) const
    {
        return dialog()->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *field() const { return control<QLineEdit>("findTextField"); }
    bool notFoundShown() const { return !control<QLabel>("textNotFound")->isHidden(); }

    void key(int k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(memo(), Qt::Key(k), modifiers);
    }
    void select(int anchor, int caret) { memo()->SetSel(anchor, caret); }
    QString lastMessage() const
    {
        return fakes.messages.empty() ? QString() : fakes.messages.back().text;
    }
    // Opens the dialog with Ctrl+F and types into its field.
    void typeSearch(const QString &text)
    {
        key(Qt::Key_F, Qt::ControlModifier);
        field()->clear();
        QTest::keyClicks(field(), text);
    }
    void check(const char *box, bool on)
    {
        QCheckBox *checkBox = control<QCheckBox>(box);
        if (checkBox->isChecked() != on)
            checkBox->click();
    }

    std::unique_ptr<TformMain> window;
};

// ---- case conversion --------------------------------------------------------

TEST_F(SearchWindowTest, CaseShortcutsConvertTheSelectionAsOneUndo)
{
    memo()->setText(QStringLiteral("hello world. this is it"));
    select(0, 23);
    key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), u"HELLO WORLD. THIS IS IT");
    EXPECT_EQ(memo()->SelStart(), 0);
    EXPECT_EQ(memo()->SelLength(), 23);
    // Ctrl+J and Ctrl+I are the menu's, not the editor's line feed and tab.
    key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), u"Hello world. This is it");
    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), u"hELLO WORLD. tHIS IS IT");
    key(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), u"Hello World. This Is It");
    key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), u"hello world. this is it");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), u"Hello World. This Is It");
}

TEST_F(SearchWindowTest, CaseConversionOfABackwardSelectionKeepsItSelected)
{
    memo()->setText(QStringLiteral("ab cd\r\nef"));
    select(9, 3);
    key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), u"ab CD\r\nEF");
    EXPECT_EQ(memo()->SelStart(), 3);
    EXPECT_EQ(memo()->SelEnd(), 9);
}

TEST_F(SearchWindowTest, ReadOnlyEditorShowsTheMessageOnlyWithASelection)
{
    memo()->setText(QStringLiteral("abc"));
    memo()->setReadOnly(true);
    key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_TRUE(fakes.messages.empty());
    select(0, 2);
    key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), u"abc");
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_TRUE(lastMessage().startsWith(u"You have selected to not allow changes"));
}

// ---- find ------------------------------------------------------------------

TEST_F(SearchWindowTest, AnyMessageBoxClosesTheFindDialog)
{
    memo()->setText(QStringLiteral("abc"));
    typeSearch(QStringLiteral("b"));
    ASSERT_TRUE(dialog()->isVisible());
    memo()->setReadOnly(true);
    memo()->setFocus();
    select(0, 2);
    key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(fakes.messages.size(), 1u);
    EXPECT_FALSE(dialog()->isVisible());
}

TEST_F(SearchWindowTest, CtrlFWithASelectedWordSelectsItsFirstOccurrence)
{
    memo()->setText(QStringLiteral("dog cat\r\ndog cat"));
    select(13, 16);
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(field()->text(), u"cat");
    EXPECT_EQ(memo()->SelStart(), 4);
    EXPECT_EQ(memo()->SelLength(), 3);
}

TEST_F(SearchWindowTest, TypingExtendsTheMatchAndDeletingKeepsIt)
{
    memo()->setText(QStringLiteral("do dog dot"));
    typeSearch(QStringLiteral("do"));
    EXPECT_EQ(memo()->SelStart(), 0);
    QTest::keyClick(field(), Qt::Key_G);
    EXPECT_EQ(memo()->SelStart(), 3);
    EXPECT_EQ(memo()->SelLength(), 3);
    QTest::keyClick(field(), Qt::Key_Backspace);
    EXPECT_EQ(memo()->SelStart(), 3);
    EXPECT_EQ(memo()->SelLength(), 2);
    // Clearing the field: an empty text never matches.
    field()->clear();
    EXPECT_TRUE(notFoundShown());
}

TEST_F(SearchWindowTest, FindButtonGoesOnAndShowsThePanelAtTheEnd)
{
    memo()->setText(QStringLiteral("cat cat"));
    typeSearch(QStringLiteral("cat"));
    EXPECT_EQ(memo()->SelStart(), 0);
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(memo()->SelStart(), 4);
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_TRUE(notFoundShown());
    EXPECT_EQ(memo()->SelStart(), 4);
    EXPECT_TRUE(fakes.messages.empty());
    EXPECT_TRUE(dialog()->isVisible());
}

TEST_F(SearchWindowTest, FindNextWithoutLoopClosesTheDialogAndShortensTheText)
{
    const QString longText = QString(45, u'x');
    memo()->setText(QStringLiteral("abc"));
    typeSearch(longText);
    key(Qt::Key_F3);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(lastMessage(),
        QStringLiteral("Text not found: ") + QString(40, u'x') + QStringLiteral("..."));
    EXPECT_TRUE(dialog()->session().lastSearchText().isEmpty());
}

TEST_F(SearchWindowTest, OnlyMatchIsTheSelectionLoopFindsItAgain)
{
    memo()->setText(QStringLiteral("a dog here"));
    typeSearch(QStringLiteral("dog"));
    check("loopSearch", true);
    dialog()->hide();
    key(Qt::Key_F3);
    EXPECT_EQ(memo()->SelStart(), 2);
    EXPECT_EQ(memo()->SelLength(), 3);
    EXPECT_TRUE(fakes.messages.empty());
    EXPECT_TRUE(window->settings()[SettingKey::searchLooped].isOn());
}

TEST_F(SearchWindowTest, FindPreviousGoesUpAndEmptyFieldOpensTheDialog)
{
    memo()->setText(QStringLiteral("xaaa"));
    key(Qt::Key_F3);
    EXPECT_TRUE(dialog()->isVisible());
    typeSearch(QStringLiteral("aa"));
    dialog()->hide();
    select(4, 4);
    key(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(memo()->SelStart(), 1);
    EXPECT_EQ(memo()->SelLength(), 2);
}

TEST_F(SearchWindowTest, DefaultOptionsAndReplaceModeGreysCloseOnFind)
{
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(control<QCheckBox>("loopSearch")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("closeOnSearch")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("startFromTop")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("searchWhileTyping")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("closeOnSearch")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>("replaceField")->isVisible());
    EXPECT_FALSE(control<QPushButton>("hitCountButton")->isVisible());
    const int replaceHeight = dialog()->height();
    control<QTabBar>("TabControl")->setCurrentIndex(0);
    EXPECT_TRUE(control<QCheckBox>("closeOnSearch")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("replaceField")->isVisible());
    EXPECT_TRUE(control<QPushButton>("hitCountButton")->isVisible());
    EXPECT_LT(dialog()->height(), replaceHeight);
    EXPECT_EQ(dialog()->minimumHeight(), dialog()->maximumHeight());
}

// ---- replace and count -----------------------------------------------------

TEST_F(SearchWindowTest, ReplaceAllIsOneUndo)
{
    memo()->setText(QStringLiteral("aaa"));
    key(Qt::Key_R, Qt::ControlModifier);
    QTest::keyClicks(field(), QStringLiteral("a"));
    QTest::keyClicks(control<QLineEdit>("replaceField"), QStringLiteral("aa"));
    control<QPushButton>("replaceAllButton")->click();
    EXPECT_EQ(memo()->text(), u"aaaaaa");
    EXPECT_EQ(lastMessage(), u"Replaced 3 occurrences in the text.");
    EXPECT_EQ(fakes.messages.back().caption, u"Orvane");
    memo()->undo();
    EXPECT_EQ(memo()->text(), u"aaa");
}

TEST_F(SearchWindowTest, ReplaceAllWithAnEmptyFieldFindsNothing)
{
    memo()->setText(QStringLiteral("aaa"));
    key(Qt::Key_R, Qt::ControlModifier);
    field()->clear();
    control<QPushButton>("replaceAllButton")->click();
    EXPECT_EQ(lastMessage(), u"Text not found: ");
    EXPECT_EQ(memo()->text(), u"aaa");
}

TEST_F(SearchWindowTest, ReplaceChangesTheSelectedMatchAndSelectsTheNext)
{
    memo()->setText(QStringLiteral("Cat cat cat"));
    key(Qt::Key_R, Qt::ControlModifier);
    QTest::keyClicks(field(), QStringLiteral("cat"));
    QTest::keyClicks(control<QLineEdit>("replaceField"), QStringLiteral("dog"));
    EXPECT_EQ(memo()->SelStart(), 0);
    control<QPushButton>("replaceButton")->click();
    EXPECT_EQ(memo()->text(), u"dog cat cat");
    EXPECT_EQ(memo()->SelStart(), 4);
    EXPECT_EQ(memo()->SelLength(), 3);
}

TEST_F(SearchWindowTest, ReplaceInAReadOnlyEditorChangesNothing)
{
    memo()->setText(QStringLiteral("aaa"));
    memo()->setReadOnly(true);
    key(Qt::Key_R, Qt::ControlModifier);
    QTest::keyClicks(field(), QStringLiteral("a"));
    control<QPushButton>("replaceButton")->click();
    control<QPushButton>("replaceAllButton")->click();
    EXPECT_EQ(memo()->text(), u"aaa");
    ASSERT_EQ(fakes.messages.size(), 2u);
    EXPECT_TRUE(lastMessage().startsWith(u"You have selected to not allow changes"));
}

TEST_F(SearchWindowTest, CountShowsTheFoldedText)
{
    memo()->setText(QStringLiteral("ABC abc aBd"));
    typeSearch(QStringLiteral("ABC"));
    control<QPushButton>("hitCountButton")->click();
    EXPECT_EQ(lastMessage(), u"Text: abc\nOccurences in text: 2\n\n");
    check("matchCase", true);
    control<QPushButton>("hitCountButton")->click();
    EXPECT_EQ(lastMessage(), u"Text: ABC\nOccurences in text: 1\n\nCase sensitive");
}

// ---- go to line ------------------------------------------------------------

TEST_F(SearchWindowTest, GoToOffersTheCaretLineAndMovesToTheChosenOne)
{
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << QStringLiteral("line %1").arg(i);
    memo()->setText(lines.join(QStringLiteral("\r\n")));
    const int line7 = memo()->LineIndex(6);
    select(line7 + 2, line7 + 4);
    QString label;
    QString proposed;
    bool zeroAccepted = true;
    fakes.dialog = [&](QDialog *goTo) {
        auto *box = goTo->findChild<QLineEdit *>(QStringLiteral("gotoLineEditBox"));
        auto *ok = goTo->findChild<QPushButton *>(QStringLiteral("buttonOK"));
        label = goTo->findChild<QLabel *>(QStringLiteral("lineLabel"))->text();
        proposed = box->text();
        box->setText(QStringLiteral("0"));
        zeroAccepted = ok->isEnabled();
        box->setText(QStringLiteral("3"));
        ok->click();
        return goTo->result();
    };
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(label, u"Line number (1-10):");
    EXPECT_EQ(proposed, u"7");
    EXPECT_FALSE(zeroAccepted);
    EXPECT_EQ(memo()->SelStart(), memo()->LineIndex(2));
    EXPECT_EQ(memo()->SelLength(), 0);
}

TEST_F(SearchWindowTest, GoToCancelledLeavesTheCaret)
{
    memo()->setText(QStringLiteral("a\r\nb"));
    select(3, 4);
    key(Qt::Key_G, Qt::ControlModifier); // the fake dialog rejects
    EXPECT_EQ(memo()->SelStart(), 3);
    EXPECT_EQ(memo()->SelLength(), 1);
}

TEST_F(SearchWindowTest, GoToRejectsTextThatIsNoInteger)
{
    memo()->setText(QStringLiteral("a"));
    bool stayedOpen = false;
    fakes.dialog = [&](QDialog *goTo) {
        auto *box = goTo->findChild<QLineEdit *>(QStringLiteral("gotoLineEditBox"));
        box->setValidator(nullptr); // as text that reaches the box another way
        box->setText(QStringLiteral("12x"));
        auto *ok = goTo->findChild<QPushButton *>(QStringLiteral("buttonOK"));
        ok->setEnabled(true);
        ok->click();
        stayedOpen = goTo->result() == 0;
        return 0;
    };
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(lastMessage(), u"'12x' is not a valid integer value.");
}

} // namespace
