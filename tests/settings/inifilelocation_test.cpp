#include "storagefixture.h"
#include "testseams.h"

#include "settings/form10_inifile.h"

#include <QRadioButton>
#include <QPushButton>

namespace {

class IniFileLocationTest : public SettingsStorageTest
{
protected:
    // Shows the dialog, records which place it offers, picks one and presses a button.
    int run(const char *radio, const char *button)
    {
        fakes.dialog = [&](QDialog *dialog) {
            dialog->show();
            offeredAppData = dialog->findChild<QRadioButton *>(QStringLiteral("radio2AppData"))->isChecked();
            dialog->findChild<QRadioButton *>(QString::fromLatin1(radio))->click();
            dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
            return dialog->result();
        };
        return TformIniFileLocation::execute(storage, nullptr);
    }

    FakeSeams fakes;
    bool offeredAppData = false;
};

TEST_F(IniFileLocationTest, OkMovesTheFileToTheChosenPlace)
{
    putIni(programIni(), "[Settings]\r\nsaveToIni=1\r\ntabSize=3\r\n");
    start();
    EXPECT_EQ(run("radio2AppData", "btnOK"), QDialog::Accepted);
    EXPECT_FALSE(offeredAppData);
    EXPECT_TRUE(storage.iniFileInAppData());
    EXPECT_FALSE(QFile::exists(programIni()));
    EXPECT_EQ(iniValue(appDataIni(), QStringLiteral("tabSize")), u"3");
    EXPECT_TRUE(fakes.messages.empty());

    run("radio1OrvaneDir", "btnOK");
    EXPECT_TRUE(offeredAppData);
    EXPECT_FALSE(storage.iniFileInAppData());
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("tabSize")), u"3");
}

TEST_F(IniFileLocationTest, CancelChangesNothing)
{
    putIni(programIni(), "[Settings]\r\nsaveToIni=1\r\n");
    start();
    EXPECT_EQ(run("radio2AppData", "btnCancel"), QDialog::Rejected);
    EXPECT_FALSE(storage.iniFileInAppData());
    EXPECT_TRUE(QFile::exists(programIni()));
    EXPECT_FALSE(QFile::exists(appDataIni()));
}

TEST_F(IniFileLocationTest, FailedMoveShowsTheSystemErrorAndStays)
{
    putIni(programIni(), "[Settings]\r\nsaveToIni=1\r\ntabSize=3\r\n");
    start();
    QDir(configFolder()).removeRecursively();
    putIni(configFolder(), "not a folder");
    run("radio2AppData", "btnOK");
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(fakes.messages[0].caption, u"Orvane");
    EXPECT_FALSE(fakes.messages[0].text.isEmpty());
    EXPECT_FALSE(storage.iniFileInAppData());
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("tabSize")), u"3");
}

} // namespace
