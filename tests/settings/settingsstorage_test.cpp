#include "storagefixture.h"

#include <sys/stat.h>

namespace {

TEST_F(SettingsStorageTest, NoIniFileMeansRegistryMode)
{
    EXPECT_EQ(start(), QString());
    EXPECT_FALSE(storage.useIniFile());
    table[SettingKey::wordWrap].setValue(u"1"_s);
    EXPECT_EQ(registryValue(u"wordWrap"_s), u"1");
    EXPECT_FALSE(QFile::exists(programIni()));
}

TEST_F(SettingsStorageTest, ProgramFolderIniWinsOverTheAppDataOne)
{
    put(appDataIni(), "[Settings]\r\ntabSize=3\r\n");
    start();
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_TRUE(storage.iniFileInAppData());
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"3");

    put(programIni(), "[Settings]\r\nwordWrap=1\r\n");
    start();
    EXPECT_FALSE(storage.iniFileInAppData());
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"8");
}

TEST_F(SettingsStorageTest, RegistrySaveToIniDecidesWhetherAPresentIniIsUsed)
{
    put(programIni(), "[Settings]\r\ntabSize=3\r\n");
    putRegistry(u"saveToIni"_s, u"1"_s);
    start();
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"3");

    putRegistry(u"saveToIni"_s, u"0"_s);
    putRegistry(u"tabSize"_s, u"2"_s);
    start();
    EXPECT_FALSE(storage.useIniFile());
    EXPECT_FALSE(QFile::exists(programIni()));
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"2");
}

TEST_F(SettingsStorageTest, UnreadableIniGivesTheMessageAndDefaults)
{
    QDir().mkpath(programIni()); // a folder where the file should be
    EXPECT_EQ(start(), u"Failed to read INI file. The file is being used by another process.");
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"8");
}

// Regression: a pipe in place of settings.ini blocked start-up for ever.
TEST_F(SettingsStorageTest, APipeInPlaceOfTheIniIsUnreadableAndKept)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(programIni()).constData(), 0600), 0);
    EXPECT_EQ(start(), u"Failed to read INI file. The file is being used by another process.");
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"8");
    table[SettingKey::saveToIni].setOn(true);
    EXPECT_FALSE(storage.iniFileIsUtf16());
    storage.upgradeIniEncoding();
    table[SettingKey::tabSize].setInt(3);
    EXPECT_FALSE(storage.testIniWrite(false).ok);
    EXPECT_FALSE(QFileInfo(programIni()).isFile());
    EXPECT_TRUE(QFileInfo::exists(programIni()));
}

// Regression: the registry's old saveToIni "0" deleted the INI file at the next start.
TEST_F(SettingsStorageTest, SwitchToIniWithoutRegistryWritesSurvivesARestart)
{
    start();
    table.saveAllSettings(); // the registry says saveToIni "0"
    table[SettingKey::noRegistryWrite].setOn(true);
    storage.switchStorage();
    table[SettingKey::tabSize].setInt(3);
    EXPECT_EQ(registryValue(u"saveToIni"_s), u"0");

    SettingsStorage second { StoragePaths { programFolder(), configFolder() }, registry };
    SettingsTable secondTable { &second };
    second.attach(&secondTable);
    secondTable.createDefaultSettings();
    EXPECT_EQ(second.chooseStorageAtStart(), QString());
    secondTable.loadAllSettings();
    EXPECT_TRUE(second.useIniFile());
    EXPECT_TRUE(QFile::exists(programIni()));
    EXPECT_EQ(secondTable[SettingKey::tabSize].value(), u"3");
    EXPECT_TRUE(secondTable[SettingKey::saveToIni].isOn());
    EXPECT_TRUE(secondTable[SettingKey::noRegistryWrite].isOn());
}

TEST_F(SettingsStorageTest, LoadingInABatchSeesTheFileAsItIsAtTheStart)
{
    put(programIni(), "[Settings]\r\ntabSize=3\r\n");
    start();
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"3");
    put(programIni(), "[Settings]\r\ntabSize=4\r\nwordWrap=1\r\n");
    table.loadAllSettings();
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"4");
    EXPECT_EQ(table[SettingKey::wordWrap].value(), u"1");
}

TEST_F(SettingsStorageTest, ValuesLoseOuterBlanksAndKeepEverythingAfterTheFirstEquals)
{
    put(programIni(), QByteArray());
    start();
    table[SettingKey::prefixString].setValue(u"  a = b=c  "_s);
    table[SettingKey::prefixString].loadValue();
    EXPECT_EQ(table[SettingKey::prefixString].value(), u"a = b=c");
}

TEST_F(SettingsStorageTest, ReadOnlyIniIsMadeWritableAndTheWriteLands)
{
    put(programIni(), "[Settings]\r\ntabSize=3\r\n");
    QFile::setPermissions(programIni(), QFileDevice::ReadOwner);
    start();
    table[SettingKey::tabSize].setValue(u"4"_s);
    EXPECT_EQ(iniValue(programIni(), u"tabSize"_s), u"4");
    EXPECT_TRUE(QFile::permissions(programIni()) & QFileDevice::WriteOwner);
}

TEST_F(SettingsStorageTest, IniDeletedWhileRunningReadsDefaultsAndIsWrittenAgain)
{
    put(programIni(), "[Settings]\r\ntabSize=3\r\n");
    start();
    QFile::remove(programIni());
    table[SettingKey::tabSize].loadValue();
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"8");
    table[SettingKey::wordWrap].setValue(u"1"_s);
    EXPECT_EQ(iniValue(programIni(), u"wordWrap"_s), u"1");
}

TEST_F(SettingsStorageTest, SwitchingEachWayMovesEverySettingAndClearsTheOldPlace)
{
    start();
    table[SettingKey::tabSize].setValue(u"5"_s);
    storage.moveIniFile(true);
    storage.switchStorage();
    EXPECT_TRUE(storage.useIniFile());
    EXPECT_EQ(registryValue(u"tabSize"_s), u"<none>");
    EXPECT_EQ(iniValue(appDataIni(), u"saveToIni"_s), u"1");
    EXPECT_EQ(iniValue(appDataIni(), u"tabSize"_s), u"5");
    EXPECT_EQ(iniValue(appDataIni(), u"rememberPrefixString"_s), u"1");

    storage.switchStorage();
    EXPECT_FALSE(storage.useIniFile());
    EXPECT_FALSE(QFileInfo::exists(configFolder() + u"/Orvane"_s));
    EXPECT_EQ(registryValue(u"saveToIni"_s), u"0");
    EXPECT_EQ(registryValue(u"tabSize"_s), u"5");
}

TEST_F(SettingsStorageTest, MoveToAppDataAndBack)
{
    put(programIni(), "[Settings]\r\nsaveToIni=1\r\n");
    start();
    table[SettingKey::tabSize].setValue(u"7"_s);
    EXPECT_EQ(storage.moveIniFile(true), QString());
    EXPECT_TRUE(storage.iniFileInAppData());
    EXPECT_FALSE(QFile::exists(programIni()));
    EXPECT_EQ(iniValue(appDataIni(), u"tabSize"_s), u"7");
    EXPECT_EQ(iniValue(appDataIni(), u"iniFileTest"_s), u"<none>");

    EXPECT_EQ(storage.moveIniFile(false), QString());
    EXPECT_EQ(iniValue(programIni(), u"tabSize"_s), u"7");
    EXPECT_FALSE(QFileInfo::exists(configFolder() + u"/Orvane"_s));
}

TEST_F(SettingsStorageTest, MoveToAFolderThatCannotBeWrittenKeepsTheOldFile)
{
    put(programIni(), "[Settings]\r\nsaveToIni=1\r\n");
    start();
    table[SettingKey::tabSize].setValue(u"7"_s);
    blockConfigFolder();
    EXPECT_FALSE(storage.moveIniFile(true).isEmpty());
    EXPECT_FALSE(storage.iniFileInAppData());
    EXPECT_EQ(iniValue(programIni(), u"tabSize"_s), u"7");
}

TEST_F(SettingsStorageTest, AppDataFolderThatCannotBeCreatedFailsQuietly)
{
    put(appDataIni(), "[Settings]\r\nsaveToIni=1\r\n");
    start();
    blockConfigFolder();
    EXPECT_FALSE(storage.createAppDataFolder());
    table[SettingKey::tabSize].setValue(u"4"_s);
    EXPECT_EQ(table[SettingKey::tabSize].value(), u"4");
    const IniWriteTest test = storage.testIniWrite(true);
    EXPECT_FALSE(test.ok);
    EXPECT_FALSE(test.error.isEmpty());
}

TEST_F(SettingsStorageTest, VersionSetupRewritesAn8BitIniAsUtf16WithAllValues)
{
    put(programIni(), "[Settings]\r\nsaveToIni=1\r\nprefixString=caf\xE9\r\n");
    start();
    table[SettingKey::currentVersion].setValue(u"1.8"_s);
    EXPECT_FALSE(storage.iniFileIsUtf16());
    storage.upgradeIniEncoding();
    EXPECT_TRUE(storage.iniFileIsUtf16());
    EXPECT_EQ(iniValue(programIni(), u"prefixString"_s), u"caf\u00E9");
    EXPECT_EQ(iniValue(programIni(), u"currentVersion"_s), u"1.8");
    EXPECT_EQ(iniValue(programIni(), u"rememberPrefixString"_s), u"1");
}

TEST_F(SettingsStorageTest, LegacyNumberedValuesGoOnlyWhenValue5IsThere)
{
    for (const QString &name : { u"0"_s, u"34"_s, u"35"_s })
        putRegistry(name, u"x"_s);
    storage.removeLegacyRegistryValues();
    EXPECT_EQ(registryValue(u"0"_s), u"x");
    putRegistry(u"5"_s, u"x"_s);
    storage.removeLegacyRegistryValues();
    EXPECT_EQ(registryValue(u"0"_s) + registryValue(u"5"_s) + registryValue(u"34"_s),
        u"<none><none><none>");
    EXPECT_EQ(registryValue(u"35"_s), u"x");
}

} // namespace
