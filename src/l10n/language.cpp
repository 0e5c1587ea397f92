#include "language.h"

#include "messages.h"
#include "settings/registrystore.h"
#include "settings/settingstable.h"

#include <QCoreApplication>

namespace {

// Where the language-file loader looks for the choice, first found wins.
struct LocaleKey
{
    const char *path;
    RegistryRoot root;
};
constexpr LocaleKey localeKeys[] = {
    { "\\Software\\Embarcadero\\Locales", RegistryRoot::CurrentUser },
    { "\\Software\\Embarcadero\\Locales", RegistryRoot::LocalMachine },
    { "\\Software\\CodeGear\\Locales", RegistryRoot::CurrentUser },
    { "\\Software\\CodeGear\\Locales", RegistryRoot::LocalMachine },
    { "\\Software\\Borland\\Locales", RegistryRoot::CurrentUser },
    { "\\Software\\Borland\\Delphi\\Locales", RegistryRoot::CurrentUser },
};

QString keyPath(const LocaleKey &key)
{
    return QString::fromLatin1(key.path);
}

QString withoutLineBreaks(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

const QString autoChoice = QStringLiteral("auto");

} // namespace

const std::vector<LanguageEntry> &LanguageEntries()
{
    static const std::vector<LanguageEntry> entries = {
        { QT_TRANSLATE_NOOP("Language", "English"), "ENG", "en" },
        { QT_TRANSLATE_NOOP("Language", "Chinese (简体中文)"), "CHS", "zh_CN" },
        { QT_TRANSLATE_NOOP("Language", "French (Français)"), "FRA", "fr" },
        { QT_TRANSLATE_NOOP("Language", "German (Deutsch)"), "DEU", "de" },
        { QT_TRANSLATE_NOOP("Language", "Hebrew (עברית)"), "HEB", "he" },
        { QT_TRANSLATE_NOOP("Language", "Hungarian (Magyar)"), "HUN", "hu" },
        { QT_TRANSLATE_NOOP("Language", "Italian (Italiano)"), "ITA", "it" },
        { QT_TRANSLATE_NOOP("Language", "Korean (한국어)"), "KOR", "ko" },
        { QT_TRANSLATE_NOOP("Language", "Polish (Polski)"), "PLK", "pl" },
        { QT_TRANSLATE_NOOP("Language", "Portuguese (Português)"), "PTG", "pt_PT" },
        { QT_TRANSLATE_NOOP("Language", "Portuguese, Brazilian (Português Brasileiro)"), "PTB",
            "pt_BR" },
        { QT_TRANSLATE_NOOP("Language", "Russian (Русский)"), "RUS", "ru" },
        { QT_TRANSLATE_NOOP("Language", "Slovak (Slovenčina)"), "SKY", "sk" },
        { QT_TRANSLATE_NOOP("Language", "Spanish (Español)"), "ESP", "es" },
        { QT_TRANSLATE_NOOP("Language", "Swedish (Svenska)"), "SVE", "sv" },
        { QT_TRANSLATE_NOOP("Language", "Ukrainian (Українська)"), "UKR", "uk" },
    };
    return entries;
}

QString activeLanguageFile()
{
    return message(Msg::languageFile);
}

QString activeLanguageCode()
{
    const QString file = activeLanguageFile();
    return file.mid(file.lastIndexOf(QLatin1Char('.')) + 1);
}

bool TranslationActive()
{
    return activeLanguageFile().toLower() != u"orvane.eng";
}

bool CjkLanguageActive()
{
    const QString file = activeLanguageFile().toLower();
    return file == u"orvane.kor" || file == u"orvane.chs";
}

QString LocalizationInfoText()
{
    return message(Msg::localInfo) + QStringLiteral("\n\n") + message(Msg::locFileLabel)
        + QLatin1Char(' ') + message(Msg::languageFile) + QStringLiteral("\n")
        + message(Msg::translator) + QStringLiteral("\n\n") + message(Msg::changeLocalization);
}

QString LanguageFilePath(const QString &exePath, const QString &code)
{
    // Only the file name's own extension is replaced: a "." in a folder
    // name (~/.local/bin) is not one.
    const qsizetype slash = exePath.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = exePath.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash + 1 ? exePath.left(dot) : exePath;
    return stem + QLatin1Char('.') + code;
}

QString LanguageCodeForLocale(QString localeName)
{
    localeName.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = localeName.section(QLatin1Char('_'), 0, 0).toLower();
    const QString rest = localeName.section(QLatin1Char('_'), 1).toLower();
    if (language == u"zh")
        return rest.contains(u"hant") || rest == u"tw" || rest == u"hk" ? QString()
                                                                        : QStringLiteral("CHS");
    if (language == u"pt")
        return rest == u"br" ? QStringLiteral("PTB") : QStringLiteral("PTG");
    for (const LanguageEntry &entry : LanguageEntries()) {
        if (QString::fromLatin1(entry.locale) == language)
            return QString::fromLatin1(entry.code);
    }
    return {};
}

QString LocaleForLanguageCode(const QString &code)
{
    for (const LanguageEntry &entry : LanguageEntries()) {
        if (code.compare(QLatin1String(entry.code), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(entry.locale);
    }
    return {};
}

std::optional<QStringList> StoredLanguageOverride(
    const RegistryStore &registry, const QString &exePath)
{
    for (const LocaleKey &key : localeKeys) {
        QString value;
        if (registry.readRegistryString(keyPath(key), exePath, key.root, value)
            || registry.readRegistryString(keyPath(key), QString(), key.root, value)) {
            QStringList codes = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
            for (QString &code : codes)
                code = code.trimmed();
            return codes;
        }
    }
    return std::nullopt;
}

QString ChooseLanguageFile(const std::optional<QStringList> &override,
    const QStringList &uiLanguages, const QString &exePath, const FileExists &exists)
{
    QStringList candidates;
    if (override) {
        candidates = *override;
    } else {
        for (const QString &name : uiLanguages) {
            candidates << name;
            const QString code = LanguageCodeForLocale(name);
            if (!code.isEmpty())
                candidates << code;
        }
    }
    for (const QString &code : std::as_const(candidates)) {
        const QString path = LanguageFilePath(exePath, code);
        if (exists(path))
            return path;
    }
    return {};
}

bool registerLanguageChoice(RegistryStore &registry, const QString &exePath,
    const QString &languageSelect, bool noRegistryWrite)
{
    if (noRegistryWrite)
        return false;
    registry.deleteRegistryValue(
        QStringLiteral("\\Software\\CodeGear\\Locales"), exePath, RegistryRoot::CurrentUser);
    const QString key = QStringLiteral("\\Software\\Embarcadero\\Locales");
    if (languageSelect == autoChoice)
        return registry.deleteRegistryValue(key, exePath, RegistryRoot::CurrentUser);
    return registry.writeRegistryString(exePath, languageSelect, key, RegistryRoot::CurrentUser);
}

LanguagePageFill FillLanguagePage(const QString &languageSelect, const QStringList &rowCodes)
{
    if (languageSelect == autoChoice)
        return {};
    LanguagePageFill fill;
    fill.autoChecked = false;
    fill.listEnabled = true;
    for (int row = 0; row < rowCodes.size(); ++row) {
        if (withoutLineBreaks(rowCodes.at(row)) == languageSelect) {
            fill.selectedRow = row;
            break;
        }
    }
    return fill;
}

std::vector<LanguageNotice> ApplyLanguagePage(SettingsTable &settings, RegistryStore &registry,
    const QString &exePath, const LanguagePageChoice &choice, const FileExists &exists)
{
    std::vector<LanguageNotice> notices;
    SettingsValue &select = settings[SettingKey::languageSelect];
    const QString old = select.value();
    if (choice.autoChecked) {
        if (select.value() != autoChoice)
            notices.push_back({ NoticeKind::Info, message(Msg::changeLang) });
        select.setValue(autoChoice);
    } else if (choice.selectedCode) {
        const QString code = withoutLineBreaks(*choice.selectedCode);
        const QString file = LanguageFilePath(exePath, code);
        if (exists(file)) {
            if (code != select.value())
                notices.push_back({ NoticeKind::Info, message(Msg::changeLang) });
        } else {
            notices.push_back({ NoticeKind::Error,
                message(Msg::langFileMissing) + QStringLiteral("\n") + file + QStringLiteral("\n\n")
                    + message(Msg::langErrTips) });
        }
        // Kept even without the file: the next start then falls back to English.
        select.setValue(code);
    }
    const bool noRegistryWrite = settings[SettingKey::noRegistryWrite].isOn();
    const bool changed = select.value() != old;
    if (!registerLanguageChoice(registry, exePath, select.value(), noRegistryWrite)
        && (!noRegistryWrite || changed)) {
        notices.push_back({ NoticeKind::Error,
            message(Msg::errorSettingLanguage) + QStringLiteral("\n\n")
                + registryFailureMessage(noRegistryWrite) });
    }
    return notices;
}
