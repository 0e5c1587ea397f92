#include "mainwindowfixture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <map>

namespace {

class FontsTest : public MainWindowTest
{
protected:
    // The program "runs" from the build folder, where the font files are.
    std::unique_ptr<TformMain> start()
    {
        auto window = startAs(QStringLiteral(ORVANE_FONT_DIR "/orvane"));
        window->show();
        window->activateWindow(); // shortcuts only reach the active window
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }
    static QAction *action(const TformMain *window, const char *name)
    {
        return MainWindowTest::action(*window, name);
    }
    static QString family(TformMain *window) { return QFontInfo(window->memo()->font()).family(); }
};

TEST_F(FontsTest, NfoSelectionShowsTheUntitledDocumentInThePixelFace)
{
    storeSetting("fontSelection", QStringLiteral("alwaysAscii"));
    auto window = start();
    EXPECT_TRUE(window->nfoFontActive());
    EXPECT_TRUE(window->fontApplied());
    EXPECT_EQ(family(window.get()), QStringLiteral("ASCII VGA"));
    EXPECT_EQ(window->memo()->palette().color(QPalette::Base), QColor(49, 61, 115));
    EXPECT_TRUE(action(window.get(), "AlwaysNfoFont1")->isChecked());
    EXPECT_FALSE(action(window.get(), "ExtensionDefaultTxt1")->isChecked());
}

TEST_F(FontsTest, DefaultSelectionGivesTheTextSet)
{
    auto window = start();
    EXPECT_FALSE(window->nfoFontActive());
    EXPECT_EQ(window->memo()->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_TRUE(action(window.get(), "ExtensionDefaultTxt1")->isChecked());
}

TEST_F(FontsTest, BrokenSelectionIsRepairedAndTheMenuShowsIt)
{
    storeSetting("fontSelection", QStringLiteral("sometimes"));
    auto window = start();
    EXPECT_TRUE(window->nfoFontActive()); // this one decision still takes NFO
    EXPECT_EQ(store.values[QStringLiteral("fontSelection")],
        QStringLiteral("extensionSelectDefaultAnsi"));
    EXPECT_TRUE(action(window.get(), "ExtensionDefaultTxt1")->isChecked());
}

TEST_F(FontsTest, CustomNfoFaceWithoutCharsetIsResetAtStart)
{
    storeSetting("asciiFontName", QStringLiteral("Terminal"));
    storeSetting("asciiFontSize", QStringLiteral("9"));
    auto window = start();
    EXPECT_EQ(store.values[QStringLiteral("asciiFontName")], QStringLiteral("ASCII VGA"));
    EXPECT_EQ(store.values[QStringLiteral("asciiFontSize")], QStringLiteral("12"));
    EXPECT_EQ(store.values[QStringLiteral("asciiFontCharset")], QStringLiteral("255"));
}

TEST_F(FontsTest, FontKeysSwitchTheSetKeepingTextSelectionAndModifiedState)
{
    auto window = start();
    TMemoPad *memo = window->memo();
    memo->setText(QStringLiteral("one\r\ntwo\r\nthree"));
    memo->SetSel(5, 8);
    memo->document()->setModified(false);
    QSignalSpy changes(memo, &QPlainTextEdit::textChanged);

    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_EQ(store.values[QStringLiteral("fontSelection")], QStringLiteral("alwaysAscii"));
    EXPECT_TRUE(window->nfoFontActive());
    EXPECT_EQ(family(window.get()), QStringLiteral("ASCII VGA"));
    EXPECT_TRUE(action(window.get(), "AlwaysNfoFont1")->isChecked());
    EXPECT_FALSE(action(window.get(), "ExtensionDefaultTxt1")->isChecked());

    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_FALSE(window->nfoFontActive());
    EXPECT_EQ(memo->text(), QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_EQ(memo->Anchor(), 5);
    EXPECT_EQ(memo->Caret(), 8);
    EXPECT_FALSE(memo->document()->isModified());
    EXPECT_EQ(changes.count(), 0);
}

// Regression: the save dialog kept the type chosen before the selection changed.
TEST_F(FontsTest, FontSelectionChangesTheProposedSaveType)
{
    auto window = start();
    EXPECT_EQ(window->saveDialogState().filterIndex, 0); // "Text file (*.txt)"
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_EQ(store.values[QStringLiteral("fontSelection")],
        QStringLiteral("extensionSelectDefaultAscii"));
    EXPECT_EQ(window->saveDialogState().filterIndex, 1); // "nfo file (*.nfo)"
    EXPECT_EQ(window->saveDialogState().fileName, QString());
    QTest::keyClick(window.get(), Qt::Key_F12);
    EXPECT_EQ(window->saveDialogState().filterIndex, 0);
}

TEST_F(FontsTest, ChoosingTheCheckedItemAgainKeepsItChecked)
{
    auto window = start();
    QAction *item = action(window.get(), "ExtensionDefaultTxt1");
    item->trigger();
    EXPECT_TRUE(item->isChecked());
}

TEST_F(FontsTest, WordWrapTogglesStoresAndKeepsTheSelection)
{
    auto window = start();
    TMemoPad *memo = window->memo();
    memo->setText(QString(300, QLatin1Char('x')) + QStringLiteral("\r\nend"));
    memo->SetSel(302, 305);

    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(store.values[QStringLiteral("wordWrap")], QStringLiteral("1"));
    EXPECT_TRUE(memo->WordWrap());
    EXPECT_TRUE(action(window.get(), "wordwrap1")->isChecked());
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(memo->Anchor(), 302);
    EXPECT_EQ(memo->Caret(), 305);

    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(store.values[QStringLiteral("wordWrap")], QStringLiteral("0"));
    EXPECT_FALSE(memo->WordWrap());
    EXPECT_FALSE(action(window.get(), "wordwrap1")->isChecked());
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->Caret(), 305);
}

TEST_F(FontsTest, StoredWordWrapIsAppliedAtStart)
{
    storeSetting("wordWrap", QStringLiteral("1"));
    auto window = start();
    EXPECT_TRUE(window->memo()->WordWrap());
    EXPECT_TRUE(action(window.get(), "wordwrap1")->isChecked());
}

TEST_F(FontsTest, FacesLiveAsLongAsTheWindow)
{
    auto window = start();
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("ASCII VGA")));
    window.reset();
    EXPECT_FALSE(QFontDatabase::families().contains(QStringLiteral("ASCII VGA")));
}

} // namespace
