#include "settings/form10_inifile.h"
#include "storagefixture.h"
#include "testseams.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

class IniFileLocationTest : public SettingsStorageTest
{
protected:
    // Shows the dialog, notes the place it offers, picks one and presses a button.
    int run(const char *radio, const char *button)
    {
        fakes.dialog = [&](QDialog *dialog) {
            dialog->show();
            offeredAppData = dialog->findChild<QRadioButton *>(u"radio2AppData"_s)->isChecked();
            dialog->findChild<QRadioButton *>(QString::fromLatin1(radio))->click();
            dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
            return dialog->result();
        };
        return TformIniFileLocation::execute(storage, nullptr);
    }

    FakeSeams fakes;
    bool offeredAppData = false;
};

TEST_F(IniFileLocationTest, OkMovesTheFileAndCancelDoesNot)
{
    put(programIni(), "[Settings]\r\nsaveToIni=1\r\ntabSize=3\r\n");
    start();
    EXPECT_EQ(run("radio2AppData", "btnCancel"), QDialog::Rejected);
    EXPECT_TRUE(QFile::exists(programIni()));
    EXPECT_EQ(run("radio2AppData", "btnOK"), QDialog::Accepted);
    EXPECT_FALSE(offeredAppData);
    EXPECT_FALSE(QFile::exists(programIni()));
    EXPECT_EQ(iniValue(appDataIni(), u"tabSize"_s), u"3");
    run("radio1OrvaneDir", "btnOK");
    EXPECT_TRUE(offeredAppData);
    EXPECT_EQ(iniValue(programIni(), u"tabSize"_s), u"3");
    EXPECT_TRUE(fakes.messages.empty());
}

TEST_F(IniFileLocationTest, FailedMoveShowsTheSystemErrorAndStays)
{
    put(programIni(), "[Settings]\r\nsaveToIni=1\r\ntabSize=3\r\n");
    start();
    blockConfigFolder();
    run("radio2AppData", "btnOK");
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_FALSE(fakes.messages[0].text.isEmpty());
    EXPECT_FALSE(storage.iniFileInAppData());
    EXPECT_EQ(iniValue(programIni(), u"tabSize"_s), u"3");
}

} // namespace
