#include "mainwindowfixture.h"
#include "view/statusbarpanels.h"

#include <QFile>
#include <QStatusBar>
#include <QtTest/QTest>

namespace {

class StatusBarTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        window = start();
        ASSERT_NO_FATAL_FAILURE(ShowActive(*window));
    }

    TMemoPad *memo() const { return window->memo(); }
    TStatusPanels *bar() const { return window->statusPanels(); }
    QString text(int panel) const { return bar()->PanelText(panel); }
    int width(int panel) const { return bar()->PanelWidth(panel); }
    void menu(const char *name) { action(*window, name)->trigger(); }
    QString writeFile(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // The middle of panel's place, counted from the panels' widths.
    int middleOf(int panel) const
    {
        int left = 0;
        for (int i = 0; i < panel; ++i)
            left += width(i);
        return left + 5;
    }

    std::unique_ptr<TformMain> window;
};

TEST_F(StatusBarTest, CaretPanelShowsTheSelectionStartAfterAKey)
{
    memo()->setText(QStringLiteral("ab\r\ncdef"));
    memo()->SetSel(0, 0);
    QTest::keyClick(memo(), Qt::Key_Shift);
    EXPECT_EQ(text(caretPanel), u"Ln: 1, Col: 1");
    // A backward selection shows its start, not the caret.
    memo()->SetSel(7, 5);
    QTest::keyClick(memo(), Qt::Key_Shift);
    EXPECT_EQ(text(caretPanel), u"Ln: 2, Col: 2");
    QTest::keyClick(memo(), Qt::Key_End);
    EXPECT_EQ(text(caretPanel), u"Ln: 2, Col: 5");
}

// The old control left the panel empty past position 65535.
TEST_F(StatusBarTest, CaretPanelIsRightFarIntoALargeText)
{
    QStringList lines;
    for (int i = 0; i < 200000; ++i)
        lines << QStringLiteral("line");
    memo()->setText(lines.join(QStringLiteral("\r\n")));
    QTest::keyClick(memo(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(text(caretPanel), u"Ln: 200000, Col: 5");
}

TEST_F(StatusBarTest, SelectionLengthItemShowsTheCountWithoutBreaks)
{
    EXPECT_EQ(width(selectionPanel), 0);
    memo()->setText(QStringLiteral("ab\r\ncd"));
    memo()->SetSel(0, 6);
    menu("SelectionlengthMenu");
    EXPECT_TRUE(action(*window, "SelectionlengthMenu")->isChecked());
    EXPECT_EQ(store.values[QStringLiteral("showStatusBarItemSelLength")], u"1");
    EXPECT_EQ(width(selectionPanel), 65);
    EXPECT_EQ(text(selectionPanel), u"Sel: 4");
}

TEST_F(StatusBarTest, SavedUtf16BigEndianFileShowsIndicatorSizeAndPath)
{
    const QString path = writeFile("big.txt", QByteArray("\xFE\xFF\0a\0b", 6));
    // A fitted width would push the path panel out of the narrow window.
    window->settings()[SettingKey::autoWidth].setOn(false);
    ASSERT_TRUE(window->OpenFile(path, QString(), true));
    EXPECT_EQ(text(unicodePanel), u"UTF-16 BE");
    EXPECT_EQ(text(pathPanel), path);
    EXPECT_EQ(width(fileSizePanel), 0);
    menu("FilesizeMenu");
    EXPECT_EQ(width(fileSizePanel), 50);
    EXPECT_EQ(text(fileSizePanel), u"6 byte ");
    // Double-clicking the path copies it.
    window->resize(900, 400); // wider than the panels before the path
    const QPoint onPath(bar()->width() - 2, 5);
    ASSERT_GT(onPath.x(), middleOf(pathPanel));
    QTest::mouseMove(bar(), onPath);
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, onPath);
    EXPECT_EQ(fakes.clipboard, path);
}

TEST_F(StatusBarTest, InsertShowsOverwriteAndZoomPanelDoubleClickResets)
{
    QTest::keyClick(memo(), Qt::Key_Insert);
    EXPECT_EQ(width(overwritePanel), 90);
    QTest::keyClick(memo(), Qt::Key_Insert);
    EXPECT_EQ(width(overwritePanel), 0);

    QTest::keyClick(memo(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(text(zoomPanel), u"110%");
    QTest::mouseMove(bar(), QPoint(middleOf(zoomPanel), 5));
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, QPoint(middleOf(zoomPanel), 5));
    EXPECT_EQ(window->zoomPercent(), 100);
    EXPECT_EQ(text(zoomPanel), u"100%");
}

TEST_F(StatusBarTest, AnsiDocumentHidesTheIndicatorAndHiddenPathStillHints)
{
    const QString path = writeFile("plain.txt", QByteArray("caf\xE9"));
    ASSERT_TRUE(window->OpenFile(path, QStringLiteral("ANSI"), true));
    EXPECT_EQ(width(unicodePanel), 0);
    // With the Unicode panel hidden the place right of the shown panels is the path's.
    menu("FilepathMenu");
    QTest::mouseMove(bar(), QPoint(bar()->width() - 2, 5));
    EXPECT_EQ(bar()->toolTip(), path + QStringLiteral("\n(Double click to copy)"));
    EXPECT_EQ(bar()->tag(), pathPanel);
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, QPoint(bar()->width() - 2, 5));
    EXPECT_TRUE(fakes.clipboard.isEmpty()); // the hidden panel has no text
}

TEST_F(StatusBarTest, UntitledDocumentHasNoPathSizeOrPathHint)
{
    menu("FilesizeMenu");
    EXPECT_EQ(width(fileSizePanel), 0);
    EXPECT_EQ(text(pathPanel), u"");
    QTest::mouseMove(bar(), QPoint(bar()->width() - 2, 5));
    EXPECT_EQ(bar()->tag(), -1);
    EXPECT_EQ(text(zoomPanel), u"100%");
}

TEST_F(StatusBarTest, CtrlF2HidesAndShowsTheBar)
{
    auto *statusBar = window->findChild<QStatusBar *>(QStringLiteral("StatusBar1"));
    QTest::keyClick(memo(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_FALSE(statusBar->isVisible());
    EXPECT_FALSE(action(*window, "StatusbarMenu")->isChecked());
    EXPECT_EQ(store.values[QStringLiteral("showStatusBar")], u"0");
    QTest::keyClick(memo(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_TRUE(statusBar->isVisible());
    EXPECT_TRUE(action(*window, "StatusbarMenu")->isChecked());
}

TEST_F(StatusBarTest, ReadOnlyEditorShowsTheIndicator)
{
    EXPECT_EQ(width(readOnlyPanel), 0);
    memo()->setReadOnly(true);
    window->UpdateStatusBar(false);
    EXPECT_EQ(width(readOnlyPanel), 90);
    EXPECT_EQ(text(readOnlyPanel), u"READ ONLY");
}

} // namespace
