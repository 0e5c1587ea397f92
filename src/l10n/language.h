#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class RegistryStore;
class SettingsTable;

// One row of the Options dialog's language list.
struct LanguageEntry
{
    const char *name; // English name with the language's own name
    const char *code; // the three-letter code of the language files
    const char *locale; // the matching locale name
};
const std::vector<LanguageEntry> &LanguageEntries();

// The code of the translation in use, e.g. "ENG" for the built-in English.
QString activeLanguageCode();
// The name of the language file in use, e.g. "Orvane.DEU".
QString activeLanguageFile();
// A translation is in use (the language file is not the English one).
bool TranslationActive();
// The Korean or the Simplified Chinese translation is in use.
bool CjkLanguageActive();
// The "Localization information" text.
QString LocalizationInfoText();

// The language file for code beside the program: /x/orvane.DEU for /x/orvane.
QString LanguageFilePath(const QString &exePath, const QString &code);
// The code for a locale name such as "de-DE" or "pt_BR"; empty for one we have no code for.
QString LanguageCodeForLocale(QString localeName);
// The locale name for a code ("DEU" gives "de"); empty for an unknown code.
QString LocaleForLanguageCode(const QString &code);

// The stored choice for this program: the codes listed for exePath in the
// first locale key that has one, nullopt when none does.
std::optional<QStringList> StoredLanguageOverride(
    const RegistryStore &registry, const QString &exePath);

using FileExists = std::function<bool(const QString &path)>;
// The language file to load at start, empty for the built-in English: the
// stored choice decides when there is one (even when none of its files
// exists), else the first of the user's interface languages with a file.
QString ChooseLanguageFile(const std::optional<QStringList> &override,
    const QStringList &uiLanguages, const QString &exePath, const FileExists &exists);

// Writes languageSelect as the choice for exePath; false when nothing could
// be written (also when registry writing is switched off).
bool registerLanguageChoice(RegistryStore &registry, const QString &exePath,
    const QString &languageSelect, bool noRegistryWrite);

// The Language page of the Options dialog as it is filled from the settings.
struct LanguagePageFill
{
    bool autoChecked = true;
    bool listEnabled = false;
    int selectedRow = -1;
};
LanguagePageFill FillLanguagePage(const QString &languageSelect, const QStringList &rowCodes);

// What the page holds when OK is pressed.
struct LanguagePageChoice
{
    bool autoChecked = true;
    std::optional<QString> selectedCode; // the first selected row's code
};
enum class NoticeKind { Info, Error };
struct LanguageNotice
{
    NoticeKind kind;
    QString text;
};
// Stores and registers the page's choice; returns the messages to show, in order.
std::vector<LanguageNotice> ApplyLanguagePage(SettingsTable &settings, RegistryStore &registry,
    const QString &exePath, const LanguagePageChoice &choice, const FileExists &exists);
