#include "storagefixture.h"

namespace {

TEST_F(SettingsStorageTest, NoIniFileMeansRegistryMode)
{
    EXPECT_EQ(start(), QString());
    EXPECT_FALSE(storage.useIniFile());
    table[wordWrap].setValue(QStringLiteral("1"));
    EXPECT_EQ(registryValue(QStringLiteral("wordWrap")), u"1");
    EXPECT_FALSE(QFile::exists(programIni()));
    EXPECT_FALSE(QFile::exists(appDataIni()));
}

TEST_F(SettingsStorageTest, ProgramFolderIniWinsOverTheAppDataOne)
{
    putIni(programIni(), "[Settings]\r\nwordWrap=1\r\n");
    putIni(appDataIni(), "[Settings]\r\nwordWrap=0\r\ntabSize=3\r\n");
    start();
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_FALSE(storage.iniFileInAppData());
    EXPECT_EQ(table[wordWrap].value(), u"1");
    EXPECT_EQ(table[tabSize].value(), u"8");
}

TEST_F(SettingsStorageTest, AppDataIniIsUsedWhenAlone)
{
    putIni(appDataIni(), "[Settings]\r\ntabSize=3\r\n");
    start();
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_TRUE(storage.iniFileInAppData());
    EXPECT_EQ(table[tabSize].value(), u"3");
}

TEST_F(SettingsStorageTest, RegistrySayingNotIniDeletesThePresentIniFile)
{
    storage.registry().writeRegistryString(QStringLiteral("saveToIni"), QStringLiteral("0"), orvaneKey,
                                           RegistryRoot::CurrentUser);
    storage.registry().writeRegistryString(QStringLiteral("tabSize"), QStringLiteral("2"), orvaneKey,
                                           RegistryRoot::CurrentUser);
    putIni(programIni(), "[Settings]\r\ntabSize=3\r\n");
    start();
    EXPECT_FALSE(storage.useIniFile());
    EXPECT_FALSE(QFile::exists(programIni()));
    EXPECT_EQ(table[tabSize].value(), u"2");
}

TEST_F(SettingsStorageTest, RegistrySayingIniKeepsIniMode)
{
    storage.registry().writeRegistryString(QStringLiteral("saveToIni"), QStringLiteral("1"), orvaneKey,
                                           RegistryRoot::CurrentUser);
    putIni(programIni(), "[Settings]\r\ntabSize=3\r\n");
    start();
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_TRUE(QFile::exists(programIni()));
    EXPECT_EQ(table[tabSize].value(), u"3");
}

TEST_F(SettingsStorageTest, UnreadableIniGivesTheMessageAndDefaults)
{
    QDir().mkpath(programIni()); // a folder where the file should be cannot be read
    EXPECT_EQ(start(), u"Failed to read INI file. The file is being used by another process.");
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_EQ(table[tabSize].value(), u"8");
}

TEST_F(SettingsStorageTest, ValuesLoseOuterBlanksAndKeepEverythingAfterTheFirstEquals)
{
    putIni(programIni(), QByteArray());
    start();
    table[prefixString].setValue(QStringLiteral("  a = b=c  "));
    table[wordDelimiters].loadValue();
    table[prefixString].loadValue();
    EXPECT_EQ(table[prefixString].value(), u"a = b=c");
    EXPECT_EQ(table[wordDelimiters].value(), table[wordDelimiters].defaultValue());
}

TEST_F(SettingsStorageTest, ReadOnlyIniIsMadeWritableAndTheWriteLands)
{
    putIni(programIni(), "[Settings]\r\ntabSize=3\r\n");
    QFile::setPermissions(programIni(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    start();
    table[tabSize].setValue(QStringLiteral("4"));
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("tabSize")), u"4");
    EXPECT_TRUE(QFile::permissions(programIni()) & QFileDevice::WriteOwner);
}

TEST_F(SettingsStorageTest, IniDeletedWhileRunningReadsDefaultsAndIsWrittenAgain)
{
    putIni(programIni(), "[Settings]\r\ntabSize=3\r\n");
    start();
    QFile::remove(programIni());
    table[tabSize].loadValue();
    EXPECT_EQ(table[tabSize].value(), u"8");
    table[wordWrap].setValue(QStringLiteral("1"));
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("wordWrap")), u"1");
}

TEST_F(SettingsStorageTest, SwitchToIniWritesEverythingAndDeletesTheRegistryKey)
{
    start();
    table[tabSize].setValue(QStringLiteral("5"));
    storage.switchStorage();
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_FALSE(storage.registry().registryValueMatches(orvaneKey, QStringLiteral("tabSize"),
                                                         RegistryRoot::CurrentUser, QStringLiteral("0")));
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("saveToIni")), u"1");
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("tabSize")), u"5");
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("rememberPrefixString")), u"1");

    // The next start finds the file and stays with it.
    SettingsStorage again{StoragePaths{programFolder(), configFolder(),
                                       dir.filePath(QStringLiteral("data/registry.reg"))}};
    SettingsTable next{&again};
    again.attach(&next);
    next.createDefaultSettings();
    again.chooseStorageAtStart();
    next.loadAllSettings();
    EXPECT_TRUE(again.useIniFile());
    EXPECT_EQ(next[tabSize].value(), u"5");
}

TEST_F(SettingsStorageTest, SwitchBackDeletesTheIniAndTheEmptyAppDataFolder)
{
    putIni(appDataIni(), "[Settings]\r\nsaveToIni=1\r\ntabSize=6\r\n");
    start();
    storage.switchStorage();
    EXPECT_FALSE(storage.useIniFile());
    EXPECT_FALSE(QFileInfo::exists(configFolder() + QStringLiteral("/Orvane")));
    EXPECT_EQ(registryValue(QStringLiteral("saveToIni")), u"0");
    EXPECT_EQ(registryValue(QStringLiteral("tabSize")), u"6");
}

TEST_F(SettingsStorageTest, SwitchToIniWithNoRegistryWriteKeepsTheRegistryKey)
{
    start();
    table[tabSize].setValue(QStringLiteral("5"));
    table[noRegistryWrite].setValue(QStringLiteral("1"));
    storage.switchStorage();
    EXPECT_EQ(registryValue(QStringLiteral("tabSize")), u"5");
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("noRegistryWrite")), u"1");
}

TEST_F(SettingsStorageTest, MoveToAppDataAndBack)
{
    putIni(programIni(), "[Settings]\r\nsaveToIni=1\r\n");
    start();
    table[tabSize].setValue(QStringLiteral("7"));
    EXPECT_EQ(storage.moveIniFile(true), QString());
    EXPECT_TRUE(storage.iniFileInAppData());
    EXPECT_FALSE(QFile::exists(programIni()));
    EXPECT_EQ(iniValue(appDataIni(), QStringLiteral("tabSize")), u"7");
    EXPECT_EQ(iniValue(appDataIni(), QStringLiteral("iniFileTest")), u"<none>");

    EXPECT_EQ(storage.moveIniFile(false), QString());
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("tabSize")), u"7");
    EXPECT_FALSE(QFileInfo::exists(configFolder() + QStringLiteral("/Orvane")));
}

TEST_F(SettingsStorageTest, MoveToAFolderThatCannotBeWrittenKeepsTheOldFile)
{
    putIni(programIni(), "[Settings]\r\nsaveToIni=1\r\n");
    start();
    table[tabSize].setValue(QStringLiteral("7"));
    // The configuration folder is a file, so nothing can be created below it.
    QDir(configFolder()).removeRecursively();
    putIni(configFolder(), "not a folder");
    const QString error = storage.moveIniFile(true);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(storage.iniFileInAppData());
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("tabSize")), u"7");
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("saveToIni")), u"1");
}

TEST_F(SettingsStorageTest, MoveInRegistryModeWritesNoFile)
{
    start();
    EXPECT_EQ(storage.moveIniFile(true), QString());
    EXPECT_TRUE(storage.iniFileInAppData());
    EXPECT_FALSE(QFile::exists(appDataIni()));
    table[tabSize].setValue(QStringLiteral("4"));
    EXPECT_EQ(registryValue(QStringLiteral("tabSize")), u"4");
}

TEST_F(SettingsStorageTest, AppDataFolderThatCannotBeCreatedFailsQuietly)
{
    putIni(appDataIni(), "[Settings]\r\nsaveToIni=1\r\n");
    start();
    // The configuration folder turns into a file while the program runs.
    QDir(configFolder()).removeRecursively();
    putIni(configFolder(), "not a folder");
    EXPECT_FALSE(storage.createAppDataFolder());
    table[tabSize].setValue(QStringLiteral("4"));
    EXPECT_EQ(table[tabSize].value(), u"4");
    const IniWriteTest test = storage.testIniWrite(true);
    EXPECT_FALSE(test.ok);
    EXPECT_FALSE(test.error.isEmpty());
    table[tabSize].loadValue();
    EXPECT_EQ(table[tabSize].value(), u"8");
}

TEST_F(SettingsStorageTest, VersionSetupRewritesAn8BitIniAsUtf16WithAllValues)
{
    putIni(programIni(), "[Settings]\r\nsaveToIni=1\r\nprefixString=caf\xE9\r\n");
    start();
    table[currentVersion].setValue(QStringLiteral("1.8"));
    EXPECT_FALSE(storage.iniFileIsUtf16());
    storage.upgradeIniEncoding();
    EXPECT_TRUE(storage.iniFileIsUtf16());
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("prefixString")), QStringLiteral("caf\u00E9"));
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("currentVersion")), u"1.8");
    EXPECT_EQ(iniValue(programIni(), QStringLiteral("rememberPrefixString")), u"1");
}

TEST_F(SettingsStorageTest, LegacyNumberedValuesGoOnlyWhenValue5IsThere)
{
    auto put = [this](int name) {
        storage.registry().writeRegistryString(QString::number(name), QStringLiteral("x"), orvaneKey,
                                               RegistryRoot::CurrentUser);
    };
    for (int name : {0, 4, 34, 35})
        put(name);
    storage.removeLegacyRegistryValues();
    EXPECT_EQ(registryValue(QStringLiteral("0")), u"x");
    put(5);
    storage.removeLegacyRegistryValues();
    for (const char *gone : {"0", "4", "5", "34"})
        EXPECT_EQ(registryValue(QString::fromLatin1(gone)), u"<none>") << gone;
    EXPECT_EQ(registryValue(QStringLiteral("35")), u"x");
}

} // namespace
