#include "mainwindowfixture.h"
#include "settings/settingsstorage.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QString locales = u"\\Software\\Embarcadero\\Locales"_s;

// The first start of a new version writes the language choice for the program.
class VersionSetupLanguageTest : public MainWindowTest
{
protected:
    std::unique_ptr<TformMain> startVersion(const QString &storedVersion, const QString &language)
    {
        QDir().mkpath(dir.filePath(u"prog"_s));
        storage = std::make_unique<SettingsStorage>(
            StoragePaths { dir.filePath(u"prog"_s), dir.filePath(u"config"_s) }, registry);
        const QString key = u"\\Software\\Orvane"_s;
        registry.writeRegistryString(
            u"currentVersion"_s, storedVersion, key, RegistryRoot::CurrentUser);
        registry.writeRegistryString(u"languageSelect"_s, language, key, RegistryRoot::CurrentUser);
        return startOn(*storage);
    }
    QString choice(const TformMain &window) const
    {
        QString out = u"<none>"_s;
        registry.readRegistryString(locales, window.exePath(), RegistryRoot::CurrentUser, out);
        return out;
    }

    RegistryStore registry { dir.filePath(u"data/registry.reg"_s) };
    std::unique_ptr<SettingsStorage> storage;
};

TEST_F(VersionSetupLanguageTest, ANewVersionRegistersTheChosenLanguage)
{
    auto window = startVersion(u"1.7"_s, u"FRA"_s);
    EXPECT_EQ(choice(*window), u"FRA"_s);
}

TEST_F(VersionSetupLanguageTest, ANewVersionWithAutoDeletesTheChoice)
{
    registry.writeRegistryString(
        QCoreApplication::applicationFilePath(), u"DEU"_s, locales, RegistryRoot::CurrentUser);
    auto window = startVersion(u"1.7"_s, u"auto"_s);
    ASSERT_EQ(window->exePath(), QCoreApplication::applicationFilePath());
    EXPECT_EQ(choice(*window), u"<none>"_s);
}

TEST_F(VersionSetupLanguageTest, TheSameVersionLeavesTheRegistryAlone)
{
    auto window = startVersion(u"1.8"_s, u"FRA"_s);
    EXPECT_EQ(choice(*window), u"<none>"_s);
}

} // namespace
