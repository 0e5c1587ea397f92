#include "mainwindowfixture.h"
#include "settings/inifile.h"
#include "settings/settingsstorage.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// Windows started one after the other on the same real storage, as two runs of the program.
class StorageStartTest : public MainWindowTest
{
protected:
    StorageStartTest() { QDir().mkpath(dir.filePath(u"prog"_s)); }
    QString programIni() const { return dir.filePath(u"prog/settings.ini"_s); }
    QString iniValue(const QString &key) const
    {
        return readIniValue(programIni(), u"Settings"_s, key).value_or(u"<none>"_s);
    }
    std::unique_ptr<TformMain> start()
    {
        storage = std::make_unique<SettingsStorage>(
            StoragePaths { dir.filePath(u"prog"_s), dir.filePath(u"config"_s) }, registry);
        return startOn(*storage);
    }
    // Word wrap, font selection and placement chosen in one run must be back in the next.
    void expectSurvivesARestart()
    {
        auto first = start();
        first->show();
        action(*first, "wordwrap1")->trigger();
        action(*first, "AlwaysNfoFont1")->trigger();
        first->resize(510, 360);
        first->move(150, 120);
        const QPoint pos = first->pos();
        first->close();
        first.reset();
        auto second = start();
        EXPECT_TRUE(second->memo()->WordWrap());
        EXPECT_TRUE(action(*second, "AlwaysNfoFont1")->isChecked());
        EXPECT_EQ(second->size(), QSize(510, 360));
        EXPECT_EQ(second->pos(), pos);
    }

    RegistryStore registry { dir.filePath(u"data/registry.reg"_s) };
    std::unique_ptr<SettingsStorage> storage;
};

TEST_F(StorageStartTest, ChoicesSurviveARestartInTheRegistry)
{
    expectSurvivesARestart();
    EXPECT_FALSE(storage->useIniFile());
    EXPECT_FALSE(QFile::exists(programIni()));
}

TEST_F(StorageStartTest, ChoicesSurviveARestartInAnIniFile)
{
    QFile(programIni()).open(QIODevice::WriteOnly);
    expectSurvivesARestart();
    EXPECT_TRUE(storage->useIniFile());
    EXPECT_EQ(iniValue(u"wordWrap"_s), u"1");
    EXPECT_TRUE(fakes.messages.empty());
}

TEST_F(StorageStartTest, UnreadableIniIsReportedAtStart)
{
    QDir().mkpath(programIni());
    start();
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(fakes.messages[0].text,
        u"Failed to read INI file. The file is being used by another process.");
}

TEST_F(StorageStartTest, FirstStartUpgradesAn8BitIniFile)
{
    QFile file(programIni());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\r\nsaveToIni=1\r\nprefixString=\xA7\r\n");
    file.close();
    auto window = start();
    EXPECT_TRUE(storage->iniFileIsUtf16());
    EXPECT_EQ(iniValue(u"prefixString"_s), u"\u00A7");
    EXPECT_EQ(iniValue(u"askToSave"_s), u"1");
}

} // namespace
