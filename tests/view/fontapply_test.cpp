#include "fontteststore.h"
#include "view/fontapply.h"
#include "view/fontregistry.h"
#include "view/tmemopad.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FontApplyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterPrivateFonts(QStringLiteral(ORVANE_FONT_DIR));
        editor.resize(400, 300);
    }
    void TearDown() override { UnregisterPrivateFonts(); }

    bool apply(const QString &fileName, int zoom = 100)
    {
        return ApplyFont(&editor, settings.table, fileName, zoom, tabStopsSet);
    }
    qreal charWidth() const { return QFontMetricsF(editor.font()).averageCharWidth(); }

    QPlainTextEdit editor;
    FontTestSettings settings;
    bool tabStopsSet = false;
};

TEST_F(FontApplyTest, SwitchingSetsKeepsTextModifiedStateAndUndo)
{
    editor.setPlainText(QStringLiteral("one\ttwo"));
    editor.insertPlainText(QStringLiteral("x"));
    ASSERT_TRUE(editor.document()->isModified());
    EXPECT_TRUE(apply(QStringLiteral("/a/b.nfo")));
    EXPECT_FALSE(apply(QStringLiteral("/a/b.txt"), 150));
    EXPECT_TRUE(editor.document()->isModified());
    EXPECT_TRUE(editor.document()->isUndoAvailable());
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("xone\ttwo"));

    editor.document()->setModified(false);
    apply(QStringLiteral("/a/b.nfo"));
    EXPECT_FALSE(editor.document()->isModified());
}

TEST_F(FontApplyTest, NfoSetUsesThePixelFaceAndItsColours)
{
    EXPECT_TRUE(apply(QStringLiteral("/a/readme.NFO")));
    EXPECT_EQ(QFontInfo(editor.font()).family(), QStringLiteral("ASCII VGA"));
    EXPECT_EQ(editor.font().pixelSize(), 16);
    EXPECT_EQ(editor.palette().color(QPalette::Base), QColor(49, 61, 115));
    EXPECT_EQ(editor.palette().color(QPalette::Text), QColor(Qt::white));

    apply(QStringLiteral("/a/readme.nfo"), 150);
    EXPECT_EQ(QFontInfo(editor.font()).family(), QStringLiteral("ASCII"));
    EXPECT_EQ(editor.font().pixelSize(), editor.logicalDpiY() * 18 / 72);
}

TEST_F(FontApplyTest, TextSetColours)
{
    EXPECT_FALSE(apply(QStringLiteral("0")));
    EXPECT_EQ(editor.palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(editor.palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(FontApplyTest, TabStopsAreCharactersOfTheFontNotTheWidgetDefault)
{
    apply(QStringLiteral("/a/b.nfo"));
    EXPECT_DOUBLE_EQ(editor.tabStopDistance(), 8.0 * 8); // eight cells of 8 pixels
    EXPECT_FALSE(tabStopsSet);
    settings.set(SettingKey::tabSize, QStringLiteral("4"));
    apply(QStringLiteral("/a/b.txt"));
    EXPECT_DOUBLE_EQ(editor.tabStopDistance(), 4.0 * charWidth());
    EXPECT_TRUE(tabStopsSet);
    apply(QStringLiteral("/a/b.nfo"), 150);
    EXPECT_DOUBLE_EQ(editor.tabStopDistance(), 8.0 * 12);
}

// Regression: tab stops of whole-pixel average widths drifted right of the
// text font's columns by nearly a character after four tabs.
TEST_F(FontApplyTest, TabbedColumnsLineUpWithTheTextFontsCharacters)
{
    TMemoPad memo;
    memo.resize(800, 300);
    ApplyFont(&memo, settings.table, QStringLiteral("/a/b.txt"), 100, tabStopsSet);
    memo.setText(QStringLiteral("\t\t\t\tx\r\n") + QString(32, u' ') + QStringLiteral("x"));
    memo.show();
    const std::optional<QPoint> tabbed = memo.PosFromChar(4);
    const std::optional<QPoint> spaced = memo.PosFromChar(7 + 32);
    ASSERT_TRUE(tabbed && spaced);
    EXPECT_NEAR(tabbed->x(), spaced->x(), 1);
}

TEST(FontRegistryTest, FacesComeAndGoWithTheFiles)
{
    const QString folder = QStringLiteral(ORVANE_FONT_DIR);
    RegisterPrivateFonts(folder);
    const QStringList families = QFontDatabase::families();
    EXPECT_TRUE(families.contains(QStringLiteral("ASCII VGA")));
    EXPECT_TRUE(families.contains(QStringLiteral("ASCII EGA")));
    EXPECT_TRUE(families.contains(QStringLiteral("ASCII")));
    for (const char *unicode : { "ASCII VGA Unicode", "ASCII EGA Unicode", "ASCII Unicode" })
        EXPECT_TRUE(families.contains(QLatin1String(unicode))) << unicode;
    EXPECT_TRUE(QFontDatabase::isFixedPitch(QStringLiteral("ASCII VGA")));
    UnregisterPrivateFonts();
    EXPECT_FALSE(QFontDatabase::families().contains(QStringLiteral("ASCII VGA")));
}

TEST(FontRegistryTest, MissingFilesAreSkipped)
{
    QTemporaryDir empty;
    RegisterPrivateFonts(empty.path());
    EXPECT_FALSE(QFontDatabase::families().contains(QStringLiteral("ASCII")));
    UnregisterPrivateFonts();
}

TEST_F(FontApplyTest, WrappedLineCountsFollowATabStopChange)
{
    TMemoPad memo;
    memo.resize(400, 300);
    memo.SetWordWrap(true);
    ApplyFont(&memo, settings.table, QStringLiteral("/a/b.nfo"), 100, tabStopsSet);
    memo.setText(QStringLiteral("a\tb\tc\td\r\n").repeated(200));
    ASSERT_EQ(memo.LineCount(), 201); // eight-cell tabs: every line fits
    // Wider tabs wrap every line, also lines that were never painted.
    ApplyTabStopUnits(&memo, 4 * 32);
    EXPECT_GT(memo.LineCount(), 201 * 3 / 2);
}

} // namespace
