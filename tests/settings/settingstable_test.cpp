#include "memorystore.h"
#include "settings/settingstable.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

struct Expected
{
    int index;
    const char *key;
    const char16_t *value;
};

const Expected expectedTable[] = {
    { 0, "wordWrap", u"0" },
    { 1, "allowTextChanges", u"1" },
    { 2, "textColor", u"16777215" },
    { 3, "bgColor", u"7552305" },
    { 4, "textColorTxt", u"-1" },
    { 5, "bgColorTxt", u"16777215" },
    { 6, "windowPosY", u"40" },
    { 7, "windowPosX", u"240" },
    { 8, "windowWidth", u"695" },
    { 9, "windowHeight", u"586" },
    { 10, "fontSelection", u"extensionSelectDefaultAnsi" },
    { 11, "askToSave", u"1" },
    { 12, "escExits", u"1" },
    { 13, "autoWidth", u"1" },
    { 14, "copyOnSelect", u"0" },
    { 15, "searchLooped", u"0" },
    { 16, "searchFromTop", u"1" },
    { 17, "closeOnSearch", u"0" },
    { 18, "windowIsMaximized", u"0" },
    { 19, "asciiFontSize", u"12" },
    { 20, "ansiFontSize", u"10" },
    { 21, "asciiFontName", u"ASCII VGA" },
    { 22, "ansiFontName", u"Courier New" },
    { 23, "asciiFontStyle", u"normal" },
    { 24, "ansiFontStyle", u"normal" },
    { 25, "asciiFontHeight", u"-16" },
    { 26, "ansiFontHeight", u"-13" },
    { 27, "asciiFontCharset", u"-1" },
    { 28, "ansiFontCharset", u"-1" },
    { 29, "alwaysOnTop", u"0" },
    { 30, "urlFollow", u"ctrlClick" },
    { 31, "showMenuBar", u"1" },
    { 32, "showStatusBar", u"1" },
    { 33, "showStatusBarItemCaret", u"1" },
    { 34, "showStatusBarItemReadOnly", u"1" },
    { 35, "showStatusBarItemFileSize", u"0" },
    { 36, "showStatusBarItemPath", u"1" },
    { 37, "showStatusBarItemSelLength", u"0" },
    { 38, "showStatusBarItemUnicode", u"1" },
    { 39, "showStatusBarItemInputMode", u"1" },
    { 40, "showStatusBarItemZoomLevel", u"1" },
    { 41, "emailFollow", u"ctrlClick" },
    { 42, "recentFileCount", u"10" },
    { 43, "recentFileFullPath", u"1" },
    { 44, "recentFile01", u"" },
    { 53, "recentFile10", u"" },
    { 63, "recentFile20", u"" },
    { 64, "forceUSCodePageForNfo", u"0" },
    { 65, "associationString", u"nfo,1,1;diz,1,1;txt,0,5;" },
    { 66, "autoWidthMax", u"1300" },
    { 67, "autoWidthMin", u"300" },
    { 68, "autoWidthPadding", u"40" },
    { 69, "shellNewTxtFile", u"1" },
    { 70, "saveToIni", u"0" },
    { 71, "noRegistryWrite", u"0" },
    { 72, "tabSize", u"8" },
    { 73, "noCustomTabOnNfo", u"1" },
    { 74, "saveWindowPos", u"1" },
    { 75, "languageSelect", u"auto" },
    { 76, "defaultSaveEncoding", u"0" },
    { 77, "alphaBlend", u"0" },
    { 78, "alphaBlendAmount", u"128" },
    { 79, "currentVersion", u"0" },
    { 80, "directScrollingAlwaysEnabled", u"0" },
    { 81, "directScrollingEnabledOnAlt", u"1" },
    { 82, "directScrollingEnabledOnReadOnly", u"0" },
    { 83, "directScrollingEnabledOnScrollLock", u"0" },
    { 84, "directScrollingEnabledForNfo", u"0" },
    { 85, "directScrollingLeftRightEnabled", u"1" },
    { 86, "directScrollingLines", u"3" },
    { 87, "useWordDetection", u"1" },
    { 89, "searchWhileTyping", u"1" },
    { 90, "prefixString", u"" },
    { 91, "rememberPrefixString", u"1" },
};

TEST(SettingsTable, KeysAndDefaultsInIndexOrder)
{
    SettingsTable table(nullptr);
    table.createDefaultSettings();
    ASSERT_EQ(table.size(), 92);
    for (const Expected &e : expectedTable) {
        SCOPED_TRACE(e.key);
        EXPECT_EQ(table.at(e.index).key(), QString::fromLatin1(e.key));
        EXPECT_EQ(table.at(e.index).value(), QString::fromUtf16(e.value));
        EXPECT_EQ(table.at(e.index).defaultValue(), QString::fromUtf16(e.value));
    }
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(table[recentFileKey(i + 1)].key(),
            QStringLiteral("recentFile%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(table.at(88).key(), QStringLiteral("wordDelimiters"));
}

TEST(SettingsTable, WordDelimitersDefaultCharacterByCharacter)
{
    SettingsTable table(nullptr);
    table.createDefaultSettings();
    const QString v = table[SettingKey::wordDelimiters].value();
    const QString expected = QStringLiteral("\" \\n\\r\\t:()[]{}<>/\\,;.'") + QChar(0xBF)
        + QChar(0xA1) + QStringLiteral("!?\"=+-*|^~&%@\"");
    ASSERT_EQ(v.size(), 39);
    EXPECT_EQ(v, expected);
    EXPECT_EQ(v.front(), QLatin1Char('"'));
    EXPECT_EQ(v.back(), QLatin1Char('"'));
    EXPECT_EQ(v.at(2), QLatin1Char('\\'));
    EXPECT_EQ(v.at(3), QLatin1Char('n'));
    EXPECT_EQ(v.at(37), QLatin1Char('@'));
}

TEST(SettingsTable, ForceUsCodePageDefaultFollowsCjkLanguage)
{
    MemoryStore store;
    SettingsTable table(&store, true);
    table.createDefaultSettings();
    EXPECT_EQ(table[SettingKey::forceUSCodePageForNfo].value(), QStringLiteral("1"));
    table[SettingKey::forceUSCodePageForNfo].setValue(QStringLiteral("0"));
    table.resetAllSettings();
    EXPECT_EQ(table[SettingKey::forceUSCodePageForNfo].value(), QStringLiteral("1"));
}

TEST(SettingsValue, SetValueWritesOnlyOnARealChange)
{
    MemoryStore store;
    SettingsValue v(QStringLiteral("wordWrap"), QStringLiteral("0"), &store);
    v.setValue(QStringLiteral("0"));
    EXPECT_TRUE(store.writes.empty());
    v.setValue(QStringLiteral("1"));
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.writes[0].first, QStringLiteral("wordWrap"));
    EXPECT_EQ(store.writes[0].second, QStringLiteral("1"));
    // Case matters: "ABC" to "abc" is a change.
    v.setValue(QStringLiteral("ABC"));
    v.setValue(QStringLiteral("abc"));
    EXPECT_EQ(store.writes.size(), 3u);
    v.resetToDefault();
    EXPECT_EQ(store.writes.back().second, QStringLiteral("0"));
}

TEST(SettingsValue, AssignValueWritesNothingStoreValueAlwaysWrites)
{
    MemoryStore store;
    SettingsValue v(QStringLiteral("recentFile01"), QString(), &store);
    v.assignValue(QStringLiteral("/tmp/a.nfo"));
    EXPECT_EQ(v.value(), QStringLiteral("/tmp/a.nfo"));
    EXPECT_TRUE(store.writes.empty());
    v.storeValue();
    v.storeValue();
    EXPECT_EQ(store.writes.size(), 2u);
}

TEST(SettingsValue, LoadValueTakesStoredTextOrDefault)
{
    MemoryStore store;
    store.values[QStringLiteral("tabSize")] = QStringLiteral("4");
    SettingsValue tab(QStringLiteral("tabSize"), QStringLiteral("8"), &store);
    SettingsValue wrap(QStringLiteral("wordWrap"), QStringLiteral("0"), &store);
    wrap.assignValue(QStringLiteral("1"));
    tab.loadValue();
    wrap.loadValue();
    EXPECT_EQ(tab.value(), QStringLiteral("4"));
    EXPECT_EQ(wrap.value(), QStringLiteral("0"));
    EXPECT_TRUE(store.writes.empty());
}

TEST(SettingsValue, OnlyOneIsOn)
{
    SettingsValue v(QStringLiteral("k"), QStringLiteral("1"), nullptr);
    EXPECT_TRUE(v.isOn());
    for (const char *off : { "true", "yes", "", "0", " 1", "01" }) {
        v.assignValue(QString::fromLatin1(off));
        EXPECT_FALSE(v.isOn()) << off;
    }
}

TEST(SettingsValue, TypedSettersWriteTheStoredForms)
{
    MemoryStore store;
    SettingsValue v(QStringLiteral("wordWrap"), QStringLiteral("0"), &store);
    v.setOn(true);
    v.toggle();
    v.setOn(false); // already off: nothing written
    v.setInt(-16);
    ASSERT_EQ(store.writes.size(), 3u);
    EXPECT_EQ(store.writes[0].second, QStringLiteral("1"));
    EXPECT_EQ(store.writes[1].second, QStringLiteral("0"));
    EXPECT_EQ(store.writes[2].second, QStringLiteral("-16"));
    // A "true" left by hand is not on, so toggling turns it on.
    v.assignValue(QStringLiteral("true"));
    v.toggle();
    EXPECT_EQ(v.value(), QStringLiteral("1"));
}

TEST(SettingsValue, IntValueAcceptsOnlyWholeDecimalIntegers)
{
    const std::pair<const char *, int> cases[] = {
        { "-16", -16 },
        { "0", 0 },
        { "12", 12 },
        { "2147483647", 2147483647 },
        { "-2147483648", -2147483647 - 1 },
        { "2147483648", 0 },
        { "-2147483649", 0 },
        { "abc", 0 },
        { "", 0 },
        { "12 ", 0 },
        { " 12", 0 },
        { "1.5", 0 },
        { "-", 0 },
        { "0x10", 0 },
        { "99999999999999999999", 0 },
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(parseSettingInt(QString::fromLatin1(text)), expected) << text;
}

TEST(SettingsTable, LoadAllDoesNotWriteSaveAllWritesEveryEntryInOrder)
{
    MemoryStore store;
    store.values[QStringLiteral("wordWrap")] = QStringLiteral("1");
    SettingsTable table(&store);
    table.createDefaultSettings();
    table.loadAllSettings();
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(table[SettingKey::wordWrap].value(), QStringLiteral("1"));
    table.saveAllSettings();
    ASSERT_EQ(store.writes.size(), 92u);
    EXPECT_EQ(store.writes.front().first, QStringLiteral("wordWrap"));
    EXPECT_EQ(store.writes.back().first, QStringLiteral("rememberPrefixString"));
}

TEST(SettingsTable, ResetStoresDefaultsIncludingVersionZero)
{
    MemoryStore store;
    SettingsTable table(&store);
    table.createDefaultSettings();
    table[SettingKey::currentVersion].setValue(QStringLiteral("1.8"));
    table[SettingKey::saveToIni].setValue(QStringLiteral("1"));
    store.writes.clear();
    table.resetAllSettings();
    EXPECT_EQ(store.writes.size(), 92u);
    EXPECT_EQ(store.values[QStringLiteral("currentVersion")], QStringLiteral("0"));
    EXPECT_EQ(store.values[QStringLiteral("saveToIni")], QStringLiteral("0"));
}

TEST(NullSettingsStore, AnswersDefaultsAndKeepsNothing)
{
    NullSettingsStore store;
    store.writeStoredValue(QStringLiteral("tabSize"), QStringLiteral("4"));
    EXPECT_EQ(
        store.readStoredValue(QStringLiteral("tabSize"), QStringLiteral("8")), QStringLiteral("8"));
}

} // namespace
