#include "mainwindowfixture.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QtTest/QTest>

#include <map>

namespace {

class DocumentTest : public MainWindowTest
{
protected:
    static void type(TformMain &window, const QString &text)
    {
        QTest::keyClicks(window.memo(), text);
    }
    // The save dialog answers with this path and encoding entry.
    void saveAs(const QString &path, int encodingIndex)
    {
        fakes.saveDialog = [path, encodingIndex](FileDialogState &state) {
            state.fileName = path;
            state.encodingIndex = encodingIndex;
            return true;
        };
    }
    void answerWarningWith(const char *button)
    {
        fakes.dialog = [button](QDialog *d) {
            d->findChild<QPushButton *>(QString::fromLatin1(button))->click();
            return d->result();
        };
    }
};

TEST_F(DocumentTest, TitleFollowsNameAndModifiedFlag)
{
    auto window = start();
    type(*window, QStringLiteral("0")); // an untitled "0" counts as empty
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Orvane"));
    type(*window, QStringLiteral("a"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Orvane*"));
    saveAs(dir.filePath(QStringLiteral("x.nfo")), 0);
    EXPECT_TRUE(window->SaveDocument());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("x.nfo - Orvane"));
    // Regression: the display name followed the title, so every dialog caption gained it.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Orvane"));
    EXPECT_TRUE(action(*window, "Reopen1")->isEnabled());
}

TEST_F(DocumentTest, AskToSaveAnswers)
{
    auto window = start();
    type(*window, QStringLiteral("text"));

    fakes.messageAnswers = { 2 }; // Cancel keeps the window open
    EXPECT_FALSE(window->close());
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(fakes.messages[0].text, QStringLiteral("Save changes to text?"));

    fakes.messageAnswers = { 6 }; // Yes, then cancelling the save dialog
    EXPECT_FALSE(window->AskToSave());

    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    saveAs(path, 0);
    fakes.messageAnswers = { 6 }; // Yes, and the save completes
    EXPECT_TRUE(window->AskToSave());
    EXPECT_EQ(read(path), QByteArray("text"));

    type(*window, QStringLiteral("!"));
    fakes.messageAnswers = { 7 }; // No discards
    window->NewDocument(true);
    EXPECT_EQ(window->memo()->text(), QString());
    EXPECT_EQ(window->fileName(), QStringLiteral("0"));
    EXPECT_FALSE(action(*window, "Reopen1")->isEnabled());
}

TEST_F(DocumentTest, RepairedFileLoadsUnmodifiedAndSavesCrLf)
{
    const QString path = write(QStringLiteral("art.nfo"), "one\r\r\ntwo\nthree");
    auto window = start();
    ASSERT_TRUE(window->OpenFile(path, QString(), true));
    EXPECT_EQ(window->memo()->LineCount(), 3);
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("art.nfo - Orvane"));
    EXPECT_TRUE(window->SaveDocument());
    EXPECT_EQ(read(path), QByteArray("one\r\ntwo\r\nthree"));
}

TEST_F(DocumentTest, FailuresAreReportedAndLoseNothing)
{
    const QString first = write(QStringLiteral("first.txt"), "first");
    auto window = start();
    window->OpenFile(first, QString(), true);
    EXPECT_FALSE(window->OpenFile(dir.filePath(QStringLiteral("missing.txt")), QString(), true));
    EXPECT_EQ(window->fileName(), first); // the previous document stays
    EXPECT_EQ(window->memo()->text(), QStringLiteral("first"));

    type(*window, QStringLiteral("!"));
    saveAs(dir.filePath(QStringLiteral("no/folder/x.txt")), 0);
    EXPECT_FALSE(window->SaveDocumentAs());
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(window->fileName(), first);
    ASSERT_EQ(fakes.messages.size(), 2u);
    EXPECT_TRUE(fakes.messages[0].text.startsWith(QStringLiteral("Could not open file: ")));
    EXPECT_TRUE(fakes.messages[1].text.startsWith(QStringLiteral("Could not save file: ")));
}

TEST_F(DocumentTest, UnicodeWarningAnswersReloadWhatWasWritten)
{
    const QString path = write(QStringLiteral("j.txt"), "x");
    auto window = start();
    window->OpenFile(path, QStringLiteral("ANSI"), true);
    window->memo()->setText(QStringLiteral("\u65E5 ok"));
    answerWarningWith("btnSaveAnyway");
    EXPECT_TRUE(window->SaveDocument());
    EXPECT_EQ(read(path), QByteArray("? ok"));
    EXPECT_EQ(window->memo()->text(), QStringLiteral("? ok"));

    window->memo()->setText(QStringLiteral("\u65E5\u672C"));
    answerWarningWith("btnUnicode");
    EXPECT_TRUE(window->SaveDocument());
    EXPECT_EQ(read(path), QByteArray("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC"));
    EXPECT_EQ(window->encoding(), Encoding::Utf8);
    EXPECT_EQ(window->memo()->text(), QStringLiteral("\u65E5\u672C"));
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(fakes.beeps, 2);
    EXPECT_FALSE(QGuiApplication::overrideCursor());
}

TEST_F(DocumentTest, SaveAsWithAnotherEncodingReloadsTheFile)
{
    auto window = start();
    window->memo()->setText(
        QStringLiteral("h\ri")); // a lone CR shows whether the file was read back
    const QString path = dir.filePath(QStringLiteral("u.txt"));
    saveAs(path, 3); // UTF-16 (Little Endian), preselected was Default
    EXPECT_TRUE(window->SaveDocumentAs());
    EXPECT_EQ(read(path), QByteArray("\xFF\xFEh\0\r\0i\0", 8));
    EXPECT_EQ(window->encoding(), Encoding::Utf16LE);
    EXPECT_EQ(window->saveDialogState().encodingIndex, 3);
    EXPECT_EQ(window->memo()->text(), QStringLiteral("h\r\ni"));

    // The same encoding again: no reload.
    window->memo()->setText(QStringLiteral("a\rb"));
    EXPECT_TRUE(window->SaveDocumentAs());
    EXPECT_EQ(window->memo()->text(), QStringLiteral("a\rb"));
}

TEST_F(DocumentTest, SaveDialogPresetFollowsTheDocument)
{
    store.values[QStringLiteral("defaultSaveEncoding")] = QStringLiteral("2");
    auto window = start();
    EXPECT_EQ(window->saveDialogState().encodingIndex, 2); // untitled: the default
    EXPECT_EQ(window->saveDialogState().fileName, QString());

    const QString diz = write(QStringLiteral("b.diz"), "art");
    window->OpenFile(diz, QString(), true);
    EXPECT_EQ(window->saveDialogState().fileName, dir.filePath(QStringLiteral("b")));
    EXPECT_EQ(window->saveDialogState().filterIndex, 1); // nfo file

    const QString upper = write(QStringLiteral("c.TXT"), "\xFF\xFEh\0");
    window->OpenFile(upper, QString(), true);
    EXPECT_EQ(window->saveDialogState().fileName, upper);
    EXPECT_EQ(window->saveDialogState().filterIndex, 0);
    EXPECT_EQ(window->saveDialogState().encodingIndex, 3); // its own UTF-16 LE
}

TEST_F(DocumentTest, LogFileGetsATimeStampAndIsModified)
{
    const QString path = write(QStringLiteral("log.txt"), ".LOG\r\nentry");
    auto window = start();
    window->OpenFile(path, QString(), true);
    const QString text = window->memo()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral(".LOG\r\nentry\r\n\r\n"))) << qPrintable(text);
    EXPECT_GT(text.size(), QStringLiteral(".LOG\r\nentry\r\n\r\n").size());
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(window->memo()->Caret(), window->memo()->TextLength());

    const QString lower = write(QStringLiteral("notlog.txt"), ".log\r\nentry");
    fakes.messageAnswers = { 7 };
    window->OpenFile(lower, QString(), true);
    EXPECT_EQ(window->memo()->text(), QStringLiteral(".log\r\nentry"));
}

TEST_F(DocumentTest, NulFileSavedWithDefaultUsesTheRememberedLoadEncoding)
{
    const QString utf8 = write(QStringLiteral("u8.txt"), "\xEF\xBB\xBFx");
    const QString binary = write(QStringLiteral("bin.txt"), QByteArray("a\0b", 3));
    auto window = start();
    window->OpenFile(utf8, QString(), true);
    window->OpenFile(binary, QString(), true);
    EXPECT_EQ(window->memo()->text(), QStringLiteral("a b"));
    EXPECT_EQ(window->encoding(), Encoding::None);
    EXPECT_TRUE(window->SaveDocument());
    EXPECT_EQ(read(binary),
        QByteArray("\xEF\xBB\xBF"
                   "a b"));
}

TEST_F(DocumentTest, CommandLineDropAndOpenDialogOpenTheirFile)
{
    const QString path = write(QStringLiteral("cmd.nfo"), "from the command line");
    auto window = start({ path });
    EXPECT_EQ(window->fileName(), path);
    EXPECT_EQ(window->memo()->text(), QStringLiteral("from the command line"));
    EXPECT_TRUE(window->nfoFontActive());

    const QString dropped = write(QStringLiteral("drop.txt"), "dropped");
    emit window->fileDropped(dropped);
    EXPECT_EQ(window->fileName(), dropped);
    EXPECT_FALSE(window->nfoFontActive()); // the font set follows the kind of file

    // The open dialog's encoding entry decides how the file is read.
    const QString utf16 = write(QStringLiteral("u.txt"), QByteArray("h\0i\0", 4));
    fakes.openDialog = [&](FileDialogState &state) {
        EXPECT_EQ(state.encodingIndex, 0);
        state.fileName = utf16;
        state.encodingIndex = 3;
        return true;
    };
    action(*window, "Open1")->trigger();
    EXPECT_EQ(window->memo()->text(), QStringLiteral("hi"));
    EXPECT_EQ(window->encoding(), Encoding::Utf16LE);
}

TEST_F(DocumentTest, OpenPathResolvesRelativeNamesAndReportsMissingOnes)
{
    write(QStringLiteral("rel.txt"), "relative");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    auto window = start();
    EXPECT_TRUE(window->OpenPath(QStringLiteral("rel.txt"), false));
    EXPECT_EQ(window->fileName(), dir.filePath(QStringLiteral("rel.txt")));
    EXPECT_FALSE(window->OpenPath(QStringLiteral("nothing.txt"), true));
    EXPECT_TRUE(fakes.messages.empty());
    EXPECT_FALSE(window->OpenPath(QStringLiteral("nothing.txt"), false));
    EXPECT_EQ(fakes.messages.size(), 1u);
    QDir::setCurrent(previous);
}

TEST_F(DocumentTest, ReopenKeepsTheCaretAndReadsTheFileAgain)
{
    const QString path = write(QStringLiteral("r.txt"), "line one\r\nline two");
    auto window = start();
    window->OpenFile(path, QString(), true);
    window->memo()->SetSel(12, 12);
    write(QStringLiteral("r.txt"), "line one\r\nline 2");
    action(*window, "Reopen1")->trigger();
    EXPECT_EQ(window->memo()->text(), QStringLiteral("line one\r\nline 2"));
    EXPECT_EQ(window->memo()->Caret(), 12);
}

// A large file named on the command line opens once the window is shown.
TEST_F(DocumentTest, LargeFileOnTheCommandLineOpensAfterTheWindowIsShown)
{
    const QByteArray line = "a line of a large text\r\n";
    const QString path = write(QStringLiteral("large.txt"), line.repeated((5 << 20) / line.size()));
    auto window = start({ path });
    EXPECT_EQ(window->memo()->TextLength(), 0);
    window->show();
    QTRY_COMPARE(window->fileName(), path);
    EXPECT_EQ(window->memo()->TextLength(), (5 << 20) / line.size() * line.size());
    EXPECT_FALSE(window->memo()->document()->isModified() && window->windowTitle().endsWith(u'*'));
}

} // namespace
