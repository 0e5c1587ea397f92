#include "testseams.h"

#include "app/form01_main.h"
#include "settings/inifile.h"
#include "settings/settingsstorage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Windows started one after the other on the same real storage, as two runs of the program.
class StorageStartTest : public ::testing::Test
{
protected:
    StorageStartTest() { QDir().mkpath(programFolder()); }
    QString programFolder() const { return dir.filePath(QStringLiteral("prog")); }
    QString programIni() const { return programFolder() + QStringLiteral("/settings.ini"); }

    std::unique_ptr<TformMain> start()
    {
        storage = std::make_unique<SettingsStorage>(
            StoragePaths{programFolder(), dir.filePath(QStringLiteral("config")),
                         dir.filePath(QStringLiteral("data/registry.reg"))});
        return std::make_unique<TformMain>(
            StartupOptions{QCoreApplication::applicationFilePath(), {}, nullptr, storage.get()});
    }
    // Sets a few settings and a placement, then closes the window.
    void useAndClose(std::unique_ptr<TformMain> window)
    {
        window->show();
        window->settings()[wordWrap].setValue(QStringLiteral("1"));
        window->resize(510, 360);
        window->move(150, 120);
        expectedPos = window->pos();
        window->close();
    }
    void expectRestored(TformMain &window)
    {
        EXPECT_EQ(window.settings()[wordWrap].value(), u"1");
        EXPECT_EQ(window.size(), QSize(510, 360));
        EXPECT_EQ(window.pos(), expectedPos);
        EXPECT_EQ(window.settings()[currentVersion].value(), u"1.8");
    }

    FakeSeams fakes;
    QTemporaryDir dir;
    std::unique_ptr<SettingsStorage> storage;
    QPoint expectedPos;
};

TEST_F(StorageStartTest, PlacementAndWordWrapSurviveARestartInTheRegistry)
{
    useAndClose(start());
    auto again = start();
    EXPECT_FALSE(again->storage()->useIniFile());
    expectRestored(*again);
    EXPECT_FALSE(QFile::exists(programIni()));
    EXPECT_TRUE(fakes.messages.empty());
}

TEST_F(StorageStartTest, PlacementAndWordWrapSurviveARestartInAnIniFile)
{
    QFile(programIni()).open(QIODevice::WriteOnly);
    useAndClose(start());
    auto again = start();
    EXPECT_TRUE(again->storage()->useIniFile());
    expectRestored(*again);
    EXPECT_EQ(readIniValue(programIni(), QStringLiteral("Settings"), QStringLiteral("wordWrap")),
              QStringLiteral("1"));
}

TEST_F(StorageStartTest, UnreadableIniIsReportedOnceAndDefaultsApply)
{
    QDir().mkpath(programIni());
    auto window = start();
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(fakes.messages[0].text, u"Failed to read INI file. The file is being used by another process.");
    EXPECT_EQ(window->settings()[wordWrap].value(), u"0");
}

TEST_F(StorageStartTest, FirstStartUpgradesAn8BitIniFile)
{
    QFile file(programIni());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\r\nsaveToIni=1\r\ntabSize=4\r\nprefixString=\xA7\r\n");
    file.close();
    auto window = start();
    EXPECT_TRUE(window->storage()->iniFileIsUtf16());
    EXPECT_EQ(readIniValue(programIni(), QStringLiteral("Settings"), QStringLiteral("prefixString")),
              QStringLiteral("\u00A7"));
    EXPECT_EQ(readIniValue(programIni(), QStringLiteral("Settings"), QStringLiteral("askToSave")),
              QStringLiteral("1"));
}

} // namespace
