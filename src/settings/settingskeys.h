#pragma once

#include <QString>

// Index of every setting in the table; the order is fixed.
enum class SettingKey : int {
    wordWrap,
    allowTextChanges,
    textColor,
    bgColor,
    textColorTxt,
    bgColorTxt,
    windowPosY,
    windowPosX,
    windowWidth,
    windowHeight,
    fontSelection,
    askToSave,
    escExits,
    autoWidth,
    copyOnSelect,
    searchLooped,
    searchFromTop,
    closeOnSearch,
    windowIsMaximized,
    asciiFontSize,
    ansiFontSize,
    asciiFontName,
    ansiFontName,
    asciiFontStyle,
    ansiFontStyle,
    asciiFontHeight,
    ansiFontHeight,
    asciiFontCharset,
    ansiFontCharset,
    alwaysOnTop,
    urlFollow,
    showMenuBar,
    showStatusBar,
    showStatusBarItemCaret,
    showStatusBarItemReadOnly,
    showStatusBarItemFileSize,
    showStatusBarItemPath,
    showStatusBarItemSelLength,
    showStatusBarItemUnicode,
    showStatusBarItemInputMode,
    showStatusBarItemZoomLevel,
    emailFollow,
    recentFileCount,
    recentFileFullPath,
    recentFile01,
    recentFile20 = recentFile01 + 19,
    forceUSCodePageForNfo,
    associationString,
    autoWidthMax,
    autoWidthMin,
    autoWidthPadding,
    shellNewTxtFile,
    saveToIni,
    noRegistryWrite,
    tabSize,
    noCustomTabOnNfo,
    saveWindowPos,
    languageSelect,
    defaultSaveEncoding,
    alphaBlend,
    alphaBlendAmount,
    currentVersion,
    directScrollingAlwaysEnabled,
    directScrollingEnabledOnAlt,
    directScrollingEnabledOnReadOnly,
    directScrollingEnabledOnScrollLock,
    directScrollingEnabledForNfo,
    directScrollingLeftRightEnabled,
    directScrollingLines,
    useWordDetection,
    wordDelimiters,
    searchWhileTyping,
    prefixString,
    rememberPrefixString,
};

// How many settings there are.
inline constexpr int settingsCount = 92;

// The key of recent-file entry n, 1 to 20.
constexpr SettingKey recentFileKey(int n)
{
    return SettingKey(int(SettingKey::recentFile01) + n - 1);
}

static_assert(int(SettingKey::rememberPrefixString) + 1 == settingsCount);

struct SettingDefinition
{
    const char *key;
    QString defaultValue;
};

// Key and factory default of setting index; forceUSCodePageForNfo's default
// depends on the language in use and is passed in.
SettingDefinition settingDefinition(int index, bool cjkLanguage);

// The program's version text, compared with currentVersion.
inline constexpr char versionText[] = "1.8";
