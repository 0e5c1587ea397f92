#include "l10n/language.h"
#include "l10n/messages.h"
#include "memorystore.h"
#include "settings/registrystore.h"
#include "settings/settingstable.h"
#include "text/encodinglabels.h"
#include "text/encodings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>
#include <set>

using namespace Qt::StringLiterals;

void PrintTo(const QString &text, std::ostream *os)
{
    *os << text.toStdString();
}

namespace {

const QString embarcadero = u"\\Software\\Embarcadero\\Locales"_s;
const QString codeGear = u"\\Software\\CodeGear\\Locales"_s;
constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr auto HKLM = RegistryRoot::LocalMachine;

// Stands in for a translation: only the language file's name is translated.
class LanguageFileTranslator : public QTranslator
{
public:
    explicit LanguageFileTranslator(QString name)
        : m_name(std::move(name))
    { }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "Messages") == 0 && qstrcmp(source, "Orvane.ENG") == 0)
            return m_name;
        return {};
    }
    bool isEmpty() const override { return false; }

private:
    QString m_name;
};

class InstalledTranslator
{
public:
    explicit InstalledTranslator(const QString &languageFile)
        : m_translator(languageFile)
    {
        QCoreApplication::installTranslator(&m_translator);
    }
    ~InstalledTranslator() { QCoreApplication::removeTranslator(&m_translator); }

private:
    LanguageFileTranslator m_translator;
};

TEST(ActiveLanguageTest, EnglishIsTheBuiltInLanguage)
{
    EXPECT_EQ(activeLanguageCode(), u"ENG"_s);
    EXPECT_FALSE(TranslationActive());
    EXPECT_FALSE(CjkLanguageActive());
}

TEST(ActiveLanguageTest, FollowsTheTranslationInUse)
{
    InstalledTranslator german(u"Orvane.DEU"_s);
    EXPECT_EQ(activeLanguageCode(), u"DEU"_s);
    EXPECT_TRUE(TranslationActive());
    EXPECT_FALSE(CjkLanguageActive());
}

TEST(ActiveLanguageTest, KoreanAndChineseTurnTheUsCodePageForNfoOnByDefault)
{
    for (const QString &file : { u"Orvane.KOR"_s, u"orvane.chs"_s, u"Orvane.DEU"_s }) {
        InstalledTranslator translation(file);
        MemoryStore store;
        SettingsTable settings(&store, CjkLanguageActive());
        settings.createDefaultSettings();
        EXPECT_EQ(settings[SettingKey::forceUSCodePageForNfo].value(),
            file == u"Orvane.DEU"_s ? u"0"_s : u"1"_s)
            << file.toStdString();
    }
}

TEST(ActiveLanguageTest, LocalizationInformationNamesFileAndTranslator)
{
    InstalledTranslator german(u"Orvane.DEU"_s);
    EXPECT_EQ(LocalizationInfoText(),
        message(Msg::localInfo) + u"\n\n"_s + message(Msg::locFileLabel) + u" Orvane.DEU\n"_s
            + message(Msg::translator) + u"\n\n"_s + message(Msg::changeLocalization));
}

struct FileNameCase
{
    const char *name;
    const char *exePath;
    const char *expected;
};

class LanguageFilePathTest : public ::testing::TestWithParam<FileNameCase>
{
};

TEST_P(LanguageFilePathTest, ReplacesOnlyTheProgramsOwnExtension)
{
    EXPECT_EQ(LanguageFilePath(QString::fromUtf8(GetParam().exePath), u"DEU"_s),
        QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Paths, LanguageFilePathTest,
    ::testing::Values(
        FileNameCase { "no_extension", "/opt/orvane/orvane", "/opt/orvane/orvane.DEU" },
        FileNameCase { "with_extension", "/opt/orvane/orvane.bin", "/opt/orvane/orvane.DEU" },
        FileNameCase {
            "dot_in_folder", "/home/u/.local/bin/orvane", "/home/u/.local/bin/orvane.DEU" },
        FileNameCase { "hidden_program", "/x/.orvane", "/x/.orvane.DEU" }),
    [](const auto &info) { return std::string(info.param.name); });

struct LocaleCase
{
    const char *name;
    const char *locale;
    const char *code;
};

class LocaleCodeTest : public ::testing::TestWithParam<LocaleCase>
{
};

TEST_P(LocaleCodeTest, MapsInterfaceLanguagesToLanguageCodes)
{
    EXPECT_EQ(LanguageCodeForLocale(QString::fromUtf8(GetParam().locale)),
        QString::fromUtf8(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleCodeTest,
    ::testing::Values(LocaleCase { "german", "de-DE", "DEU" },
        LocaleCase { "austrian_german", "de_AT", "DEU" },
        LocaleCase { "plain_french", "fr", "FRA" },
        LocaleCase { "mexican_spanish", "es-MX", "ESP" },
        LocaleCase { "brazilian", "pt-BR", "PTB" }, LocaleCase { "portuguese", "pt-PT", "PTG" },
        LocaleCase { "simplified_chinese", "zh-Hans-CN", "CHS" },
        LocaleCase { "traditional_chinese", "zh-Hant-TW", "" },
        LocaleCase { "unknown", "xx-YY", "" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EncodingLabelsTest, AreTheEncodingNamesInEnglish)
{
    EXPECT_EQ(EncodingLabels(), EncodingNames());
    for (Encoding e : { Encoding::None, Encoding::Ansi, Encoding::Utf8, Encoding::Utf16LE,
             Encoding::Utf16BE, Encoding::WesternLatin })
        EXPECT_EQ(EncodingLabel(e), EncodingName(e));
}

TEST(LanguageEntriesTest, CodesAreUniqueAndMapBackToThemselves)
{
    std::set<QString> codes;
    for (const LanguageEntry &entry : LanguageEntries()) {
        const QString code = QString::fromLatin1(entry.code);
        EXPECT_TRUE(codes.insert(code).second) << entry.code;
        EXPECT_EQ(LanguageCodeForLocale(LocaleForLanguageCode(code)), code) << entry.code;
    }
    EXPECT_EQ(codes.size(), 16u);
}

class LanguageChoiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.createDefaultSettings();
        settings.loadAllSettings();
    }
    QString programIn(const QString &folder) const
    {
        QDir(dir.path()).mkpath(folder);
        return dir.filePath(folder + u"/orvane"_s);
    }
    void shipLanguage(const QString &exePath, const QString &code)
    {
        QFile file(LanguageFilePath(exePath, code));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString choice(const QString &exePath) const
    {
        QString out = u"<none>"_s;
        registry.readRegistryString(embarcadero, exePath, HKCU, out);
        return out;
    }
    std::vector<LanguageNotice> apply(const QString &exePath, const LanguagePageChoice &page)
    {
        return ApplyLanguagePage(settings, registry, exePath, page,
            [](const QString &path) { return QFile::exists(path); });
    }
    static LanguagePageChoice pick(const QString &code) { return { false, code }; }
    static FileExists existing(std::set<QString> files)
    {
        return [files = std::move(files)](const QString &path) { return files.count(path) > 0; };
    }

    QTemporaryDir dir;
    RegistryStore registry { dir.filePath(u"registry.reg"_s) };
    MemoryStore store;
    SettingsTable settings { &store };
};

TEST_F(LanguageChoiceTest, RegisteringAutoDeletesTheValue)
{
    const QString exe = programIn(u"a"_s);
    ASSERT_TRUE(registerLanguageChoice(registry, exe, u"DEU"_s, false));
    EXPECT_EQ(choice(exe), u"DEU"_s);
    ASSERT_TRUE(registerLanguageChoice(registry, exe, u"auto"_s, false));
    EXPECT_EQ(choice(exe), u"<none>"_s);
    EXPECT_EQ(StoredLanguageOverride(registry, exe), std::nullopt);
}

TEST_F(LanguageChoiceTest, TwoProgramPathsKeepIndependentChoices)
{
    const QString first = programIn(u"a"_s);
    const QString second = programIn(u"b"_s);
    registerLanguageChoice(registry, first, u"DEU"_s, false);
    registerLanguageChoice(registry, second, u"FRA"_s, false);
    registerLanguageChoice(registry, second, u"auto"_s, false);
    EXPECT_EQ(choice(first), u"DEU"_s);
    EXPECT_EQ(choice(second), u"<none>"_s);
}

TEST_F(LanguageChoiceTest, RegisteringRemovesTheOlderKeysValueAndRefusesWithoutRegistryWrites)
{
    const QString exe = programIn(u"a"_s);
    registry.writeRegistryString(exe, u"FRA"_s, codeGear, HKCU);
    EXPECT_FALSE(registerLanguageChoice(registry, exe, u"DEU"_s, true));
    EXPECT_EQ(StoredLanguageOverride(registry, exe), QStringList { u"FRA"_s });
    EXPECT_TRUE(registerLanguageChoice(registry, exe, u"DEU"_s, false));
    QString old;
    EXPECT_FALSE(registry.readRegistryString(codeGear, exe, HKCU, old));
}

TEST_F(LanguageChoiceTest, StoredChoiceComesFromTheFirstKeyThatHasOne)
{
    const QString exe = programIn(u"a"_s);
    registry.writeRegistryString(exe, u"ESP"_s, codeGear, HKCU);
    registry.writeRegistryString(QString(), u"FRA, DEU"_s, embarcadero, HKLM);
    EXPECT_EQ(StoredLanguageOverride(registry, exe), (QStringList { u"FRA"_s, u"DEU"_s }));
    registry.writeRegistryString(exe, u"DEU"_s, embarcadero, HKCU);
    EXPECT_EQ(StoredLanguageOverride(registry, exe), QStringList { u"DEU"_s });
}

TEST_F(LanguageChoiceTest, TheStoredChoiceDecidesEvenWithoutItsFile)
{
    const QString exe = u"/p/orvane"_s;
    const FileExists files = existing({ u"/p/orvane.DEU"_s, u"/p/orvane.FRA"_s });
    const QStringList system = { u"de-DE"_s, u"de"_s };
    EXPECT_EQ(ChooseLanguageFile(QStringList { u"ESP"_s, u"FRA"_s }, system, exe, files),
        u"/p/orvane.FRA"_s);
    // The system's languages are never tried after a stored choice.
    EXPECT_EQ(ChooseLanguageFile(QStringList { u"ESP"_s }, system, exe, files), QString());
    EXPECT_EQ(ChooseLanguageFile(std::nullopt, system, exe, files), u"/p/orvane.DEU"_s);
    EXPECT_EQ(ChooseLanguageFile(std::nullopt, { u"en-US"_s, u"fr-FR"_s }, exe, files),
        u"/p/orvane.FRA"_s);
    EXPECT_EQ(ChooseLanguageFile(std::nullopt, { u"sv-SE"_s }, exe, files), QString());
}

TEST_F(LanguageChoiceTest, PageIsFilledFromTheSetting)
{
    const QStringList codes = { u"ENG"_s, u"CH\r\nS"_s, u"DEU"_s };
    const LanguagePageFill automatic = FillLanguagePage(u"auto"_s, codes);
    EXPECT_TRUE(automatic.autoChecked);
    EXPECT_FALSE(automatic.listEnabled);
    EXPECT_EQ(automatic.selectedRow, -1);
    const LanguagePageFill chosen = FillLanguagePage(u"CHS"_s, codes);
    EXPECT_FALSE(chosen.autoChecked);
    EXPECT_TRUE(chosen.listEnabled);
    EXPECT_EQ(chosen.selectedRow, 1);
    EXPECT_EQ(FillLanguagePage(u"XXX"_s, codes).selectedRow, -1);
}

TEST_F(LanguageChoiceTest, ChoosingALanguageStoresAndRegistersItWithARestartNotice)
{
    const QString exe = programIn(u"a"_s);
    shipLanguage(exe, u"DEU"_s);
    const auto notices = apply(exe, pick(u"DEU"_s));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, NoticeKind::Info);
    EXPECT_EQ(notices[0].text, message(Msg::changeLang));
    EXPECT_EQ(settings[SettingKey::languageSelect].value(), u"DEU"_s);
    EXPECT_EQ(store.values[u"languageSelect"_s], u"DEU"_s);
    EXPECT_EQ(choice(exe), u"DEU"_s);
}

TEST_F(LanguageChoiceTest, TheLanguageAlreadyInUseShowsNoRestartMessage)
{
    const QString exe = programIn(u"a"_s);
    shipLanguage(exe, u"DEU"_s);
    settings[SettingKey::languageSelect].setValue(u"DEU"_s);
    EXPECT_TRUE(apply(exe, pick(u"DEU"_s)).empty());
    settings[SettingKey::languageSelect].setValue(u"auto"_s);
    EXPECT_TRUE(apply(exe, { true, std::nullopt }).empty());
}

TEST_F(LanguageChoiceTest, AMissingLanguageFileIsReportedButItsCodeStillStored)
{
    const QString exe = programIn(u"a"_s);
    const auto notices = apply(exe, pick(u"SV\r\nE"_s));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, NoticeKind::Error);
    EXPECT_EQ(notices[0].text,
        message(Msg::langFileMissing) + u"\n"_s + LanguageFilePath(exe, u"SVE"_s) + u"\n\n"_s
            + message(Msg::langErrTips));
    EXPECT_EQ(settings[SettingKey::languageSelect].value(), u"SVE"_s);
    EXPECT_EQ(choice(exe), u"SVE"_s);
}

TEST_F(LanguageChoiceTest, BackToAutoTellsAboutTheRestartAndDeletesTheChoice)
{
    const QString exe = programIn(u"a"_s);
    settings[SettingKey::languageSelect].setValue(u"FRA"_s);
    registerLanguageChoice(registry, exe, u"FRA"_s, false);
    const auto notices = apply(exe, { true, std::nullopt });
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, NoticeKind::Info);
    EXPECT_EQ(settings[SettingKey::languageSelect].value(), u"auto"_s);
    EXPECT_EQ(choice(exe), u"<none>"_s);
}

TEST_F(LanguageChoiceTest, NoSelectedRowChangesNothing)
{
    const QString exe = programIn(u"a"_s);
    settings[SettingKey::languageSelect].setValue(u"FRA"_s);
    EXPECT_TRUE(apply(exe, { false, std::nullopt }).empty());
    EXPECT_EQ(settings[SettingKey::languageSelect].value(), u"FRA"_s);
}

TEST_F(LanguageChoiceTest, RegistrationFailureIsReportedUnlessWritingIsOffAndNothingChanged)
{
    const QString exe = programIn(u"a"_s);
    shipLanguage(exe, u"DEU"_s);
    settings[SettingKey::noRegistryWrite].setOn(true);
    settings[SettingKey::languageSelect].setValue(u"DEU"_s);
    EXPECT_TRUE(apply(exe, pick(u"DEU"_s)).empty());

    const auto notices = apply(exe, { true, std::nullopt });
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1].kind, NoticeKind::Error);
    EXPECT_EQ(notices[1].text,
        message(Msg::errorSettingLanguage) + u"\n\n"_s + registryFailureMessage(true));
}

} // namespace
