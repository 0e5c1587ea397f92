// Files through the whole window: the bytes, line ends and faces a document
// keeps from being opened to being saved.
#include "mainwindowfixture.h"

#include <QFile>
#include <QFontInfo>
#include <QtTest/QTest>

namespace {

class TextFilesTest : public MainWindowTest
{
protected:
    // The program "runs" from the build folder, where the font files are.
    std::unique_ptr<TformMain> start()
    {
        return startAs(QStringLiteral(ORVANE_FONT_DIR "/orvane"));
    }
    static QString family(const TformMain &window)
    {
        return QFontInfo(window.memo()->font()).family();
    }
};

// Regression: one edit turned an LF file into CR LF and gave it a mark, so
// the script no longer ran.
TEST_F(TextFilesTest, EditedLfScriptKeepsItsLineEndsAndHasNoMark)
{
    const QString path = write(QStringLiteral("run.sh"), "#!/bin/sh\necho h\xC3\xA9llo\n");
    auto window = start();
    ASSERT_TRUE(window->OpenFile(path, QString(), true));
    QTest::keyClicks(window->memo(), QStringLiteral("# "));
    QTest::keyClick(window->memo(), Qt::Key_Return);
    EXPECT_TRUE(window->SaveDocument());
    EXPECT_EQ(read(path), "# \n#!/bin/sh\necho h\xC3\xA9llo\n");
}

// Regression: a marked UTF-8 file with one bad byte loaded as 8-bit text and
// was saved encoded twice.
TEST_F(TextFilesTest, BadByteInUtf8FileIsWrittenBackUnchanged)
{
    const QString path = write(QStringLiteral("art.nfo"),
        "\xEF\xBB\xBF"
        "caf\xC3\xA9 \xE2\x95\x94\r\nbad\xE9\r\n");
    auto window = start();
    ASSERT_TRUE(window->OpenFile(path, QString(), true));
    EXPECT_EQ(window->encoding(), Encoding::Utf8);
    QTest::keyClicks(window->memo(), QStringLiteral("X"));
    fakes.dialog = [](QDialog *) {
        ADD_FAILURE() << "no warning expected";
        return 2;
    };
    EXPECT_TRUE(window->SaveDocument());
    EXPECT_EQ(read(path),
        "\xEF\xBB\xBF"
        "Xcaf\xC3\xA9 \xE2\x95\x94\r\nbad\xE9\r\n");
}

TEST_F(TextFilesTest, NfoFaceFollowsTheDocumentsEncoding)
{
    const QString unicode = write(QStringLiteral("u.nfo"), "gew\xC3\xA4hre \xE2\x95\x94");
    const QString bytes = write(QStringLiteral("b.nfo"), "\xC9\xCD\xBB");
    auto window = start();
    ASSERT_TRUE(window->OpenFile(unicode, QString(), true));
    EXPECT_EQ(family(*window), QStringLiteral("ASCII VGA Unicode"));
    ASSERT_TRUE(window->OpenFile(bytes, QString(), true));
    EXPECT_EQ(family(*window), QStringLiteral("ASCII VGA"));
    // Saved as UTF-8, the document's characters are themselves from then on.
    fakes.saveDialog = [&](FileDialogState &state) {
        state.fileName = dir.filePath(QStringLiteral("c.nfo"));
        state.encodingIndex = 2;
        return true;
    };
    EXPECT_TRUE(window->SaveDocumentAs());
    EXPECT_EQ(window->encoding(), Encoding::Utf8);
    EXPECT_EQ(family(*window), QStringLiteral("ASCII VGA Unicode"));
    EXPECT_EQ(window->memo()->text(), QStringLiteral("\u00C9\u00CD\u00BB"));
}

} // namespace
