#include "settingskeys.h"

#include <array>

namespace {

struct FixedDefinition
{
    const char *key;
    const char16_t *defaultValue;
};

// "recentFileNN" and forceUSCodePageForNfo are filled in by settingDefinition.
constexpr std::array<FixedDefinition, settingsCount> definitions = { {
    { "wordWrap", u"0" },
    { "allowTextChanges", u"1" },
    { "textColor", u"16777215" },
    { "bgColor", u"7552305" },
    { "textColorTxt", u"-1" },
    { "bgColorTxt", u"16777215" },
    { "windowPosY", u"40" },
    { "windowPosX", u"240" },
    { "windowWidth", u"695" },
    { "windowHeight", u"586" },
    { "fontSelection", u"extensionSelectDefaultAnsi" },
    { "askToSave", u"1" },
    { "escExits", u"1" },
    { "autoWidth", u"1" },
    { "copyOnSelect", u"0" },
    { "searchLooped", u"0" },
    { "searchFromTop", u"1" },
    { "closeOnSearch", u"0" },
    { "windowIsMaximized", u"0" },
    { "asciiFontSize", u"12" },
    { "ansiFontSize", u"10" },
    { "asciiFontName", u"ASCII VGA" },
    { "ansiFontName", u"Courier New" },
    { "asciiFontStyle", u"normal" },
    { "ansiFontStyle", u"normal" },
    { "asciiFontHeight", u"-16" },
    { "ansiFontHeight", u"-13" },
    { "asciiFontCharset", u"-1" },
    { "ansiFontCharset", u"-1" },
    { "alwaysOnTop", u"0" },
    { "urlFollow", u"ctrlClick" },
    { "showMenuBar", u"1" },
    { "showStatusBar", u"1" },
    { "showStatusBarItemCaret", u"1" },
    { "showStatusBarItemReadOnly", u"1" },
    { "showStatusBarItemFileSize", u"0" },
    { "showStatusBarItemPath", u"1" },
    { "showStatusBarItemSelLength", u"0" },
    { "showStatusBarItemUnicode", u"1" },
    { "showStatusBarItemInputMode", u"1" },
    { "showStatusBarItemZoomLevel", u"1" },
    { "emailFollow", u"ctrlClick" },
    { "recentFileCount", u"10" },
    { "recentFileFullPath", u"1" },
    { "recentFile01", u"" },
    { "recentFile02", u"" },
    { "recentFile03", u"" },
    { "recentFile04", u"" },
    { "recentFile05", u"" },
    { "recentFile06", u"" },
    { "recentFile07", u"" },
    { "recentFile08", u"" },
    { "recentFile09", u"" },
    { "recentFile10", u"" },
    { "recentFile11", u"" },
    { "recentFile12", u"" },
    { "recentFile13", u"" },
    { "recentFile14", u"" },
    { "recentFile15", u"" },
    { "recentFile16", u"" },
    { "recentFile17", u"" },
    { "recentFile18", u"" },
    { "recentFile19", u"" },
    { "recentFile20", u"" },
    { "forceUSCodePageForNfo", nullptr },
    { "associationString", u"nfo,1,1;diz,1,1;txt,0,5;" },
    { "autoWidthMax", u"1300" },
    { "autoWidthMin", u"300" },
    { "autoWidthPadding", u"40" },
    { "shellNewTxtFile", u"1" },
    { "saveToIni", u"0" },
    { "noRegistryWrite", u"0" },
    { "tabSize", u"8" },
    { "noCustomTabOnNfo", u"1" },
    { "saveWindowPos", u"1" },
    { "languageSelect", u"auto" },
    { "defaultSaveEncoding", u"0" },
    { "alphaBlend", u"0" },
    { "alphaBlendAmount", u"128" },
    { "currentVersion", u"0" },
    { "directScrollingAlwaysEnabled", u"0" },
    { "directScrollingEnabledOnAlt", u"1" },
    { "directScrollingEnabledOnReadOnly", u"0" },
    { "directScrollingEnabledOnScrollLock", u"0" },
    { "directScrollingEnabledForNfo", u"0" },
    { "directScrollingLeftRightEnabled", u"1" },
    { "directScrollingLines", u"3" },
    { "useWordDetection", u"1" },
    // Kept in quotes so that the leading blank survives storage; \n \r \t are escapes.
    { "wordDelimiters", u"\" \\n\\r\\t:()[]{}<>/\\,;.'\u00BF\u00A1!?\"=+-*|^~&%@\"" },
    { "searchWhileTyping", u"1" },
    { "prefixString", u"" },
    { "rememberPrefixString", u"1" },
} };

} // namespace

SettingDefinition settingDefinition(int index, bool cjkLanguage)
{
    const FixedDefinition &d = definitions.at(index);
    if (index == int(SettingKey::forceUSCodePageForNfo))
        return { d.key, cjkLanguage ? QStringLiteral("1") : QStringLiteral("0") };
    return { d.key, QString::fromUtf16(d.defaultValue) };
}
