#include "l10n/messages.h"
#include "platform/messagebox.h"
#include "testseams.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Regression: "\n" in a path was turned into a line break along with the message's own.
TEST(MessageBoxes, OnlyTheMessagesOwnEscapesBecomeLineBreaks)
{
    FakeSeams fakes;
    const QString path = u"/unpacked/C:\\new\\readme.nfo"_s;
    ShowErrorBox(message(Msg::resetAllWarning) + path);
    ASSERT_EQ(fakes.messages.size(), 1u);
    const QString &text = fakes.messages.front().text;
    EXPECT_TRUE(
        text.startsWith(u"This will reset all Orvane settings, including file history.\n\nAre"_s))
        << qPrintable(text);
    EXPECT_TRUE(text.endsWith(path)) << qPrintable(text);
    EXPECT_FALSE(text.contains(u"\\n\\n"_s));
}

// Regression: captions followed the document title.
TEST(MessageBoxes, EveryFormHasTheCaptionOrvaneAndItsIcon)
{
    FakeSeams fakes;
    ShowErrorBox(u"e"_s);
    ShowWarningBox(u"w"_s, MB_YESNOCANCEL);
    ShowInfoBox(u"i"_s);
    ShowQuestionBox(u"q"_s, MB_YESNO);
    ASSERT_EQ(fakes.messages.size(), 4u);
    const int flags[] = { MB_ICONERROR, MB_ICONWARNING | MB_YESNOCANCEL, MB_ICONINFORMATION,
        MB_ICONQUESTION | MB_YESNO };
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(fakes.messages[i].caption, u"Orvane");
        EXPECT_EQ(fakes.messages[i].flags, flags[i]);
    }
}

// The real save dialog, driven the way a user would: a bare name typed,
// perhaps another file type chosen, then Save.
class SaveDialogTest : public ::testing::Test
{
protected:
    SaveDialogTest() { resetSeams(); }
    ~SaveDialogTest() override { TestSeamsEnvironment().SetUp(); }

    QString save(int filterIndex, int chosenType = -1)
    {
        FileDialogState state;
        state.directory = dir.path();
        state.filters = { u"Text file (*.txt)"_s, u"nfo file (*.nfo)"_s, u"diz file (*.diz)"_s,
            u"All files (*)"_s };
        state.filterIndex = filterIndex;
        state.defaultSuffix = u"txt"_s;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, &driver, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            driver.stop();
            if (chosenType >= 0) {
                auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
                types->setCurrentIndex(chosenType);
                emit types->activated(chosenType);
            }
            dialog->selectFile(u"name"_s);
            static_cast<QDialog *>(dialog)->accept(); // runs the file dialog's own accept
        });
        driver.start(0);
        if (!seams().saveFileDialog(nullptr, state))
            return u"<cancelled>"_s;
        return QFileInfo(state.fileName).fileName();
    }

    QTemporaryDir dir;
};

// Regression: the dialog always added "txt", whatever type was chosen.
TEST_F(SaveDialogTest, TheChosenTypesExtensionIsAdded)
{
    EXPECT_EQ(save(0), u"name.txt");
    EXPECT_EQ(save(1), u"name.nfo");
    EXPECT_EQ(save(2), u"name.diz");
    EXPECT_EQ(save(3), u"name.txt"); // all files: the default
    EXPECT_EQ(save(1, 2), u"name.diz");
    EXPECT_EQ(save(2, 0), u"name.txt");
}

} // namespace
