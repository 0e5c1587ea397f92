// Every text of the sources is translated, and finished, in every shipped translation.
#include "l10n/language.h"
#include "tsfile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <set>

using namespace Qt::StringLiterals;

namespace {

QStringList shippedTsFiles()
{
    const QDir dir(QStringLiteral(ORVANE_TS_DIR));
    QStringList paths;
    for (const QString &name : dir.entryList({ u"*.ts"_s }, QDir::Files))
        paths << dir.filePath(name);
    return paths;
}

// What lupdate finds in the sources right now.
TsFile currentSourceTexts()
{
    static const TsFile texts = [] {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"current.ts"_s);
        QProcess lupdate;
        lupdate.start(QStringLiteral(ORVANE_LUPDATE),
            { u"-silent"_s, u"-locations"_s, u"none"_s, QStringLiteral(ORVANE_SOURCE_DIR), u"-ts"_s,
                out });
        if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
            TsFile failed;
            failed.error
                = u"lupdate failed: "_s + QString::fromLocal8Bit(lupdate.readAllStandardError());
            return failed;
        }
        return ReadTsFile(out);
    }();
    return texts;
}

using Key = std::pair<QString, QString>;

std::set<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(u"%\\d+|\\\\n|\\\\r"_s);
    std::set<QString> found;
    for (const auto &match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

int countOf(const QString &text, const QString &part)
{
    return int(text.count(part));
}

bool hasMnemonic(QString text)
{
    return text.remove(u"&&"_s).contains(u'&');
}

class ShippedTranslation : public ::testing::TestWithParam<QString>
{
};

} // namespace

void PrintTo(const QString &text, std::ostream *os)
{
    *os << text.toStdString();
}

namespace {

TEST(TranslationFilesTest, TheThreeLanguagesAreShipped)
{
    std::set<QString> languages;
    for (const QString &path : shippedTsFiles())
        languages.insert(ReadTsFile(path).language);
    EXPECT_EQ(languages, (std::set<QString> { u"de"_s, u"es"_s, u"fr"_s }));
}

TEST_P(ShippedTranslation, EveryEntryIsFinished)
{
    const TsFile ts = ReadTsFile(GetParam());
    ASSERT_TRUE(ts.error.isEmpty()) << ts.error.toStdString();
    ASSERT_FALSE(ts.messages.empty());
    for (const TsMessage &m : ts.messages) {
        EXPECT_TRUE(m.finished && !m.translation.isEmpty())
            << m.context.toStdString() << ": " << m.source.toStdString();
    }
}

TEST_P(ShippedTranslation, CoversEveryTextOfTheSources)
{
    const TsFile current = currentSourceTexts();
    ASSERT_TRUE(current.error.isEmpty()) << current.error.toStdString();
    ASSERT_FALSE(current.messages.empty());
    std::set<Key> shipped;
    for (const TsMessage &m : ReadTsFile(GetParam()).messages) {
        if (m.finished && !m.translation.isEmpty())
            shipped.insert({ m.context, m.source });
    }
    for (const TsMessage &m : current.messages) {
        EXPECT_TRUE(shipped.count({ m.context, m.source }))
            << "untranslated (run the orvane_lupdate target and translate): "
            << m.context.toStdString() << ": " << m.source.toStdString();
    }
}

TEST_P(ShippedTranslation, KeepsPlaceholdersLineBreaksBlanksAndShortcutLetters)
{
    for (const TsMessage &m : ReadTsFile(GetParam()).messages) {
        const std::string where = m.context.toStdString() + ": " + m.source.toStdString();
        EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << where;
        EXPECT_EQ(countOf(m.translation, u"\\n"_s), countOf(m.source, u"\\n"_s)) << where;
        // Texts that other text is appended to keep their blanks at the ends;
        // the translator's line is the one the translation itself completes.
        if (m.source != u"Localized by: ") {
            EXPECT_EQ(m.translation.endsWith(u' '), m.source.endsWith(u' ')) << where;
        }
        EXPECT_EQ(m.translation.startsWith(u' '), m.source.startsWith(u' ')) << where;
        EXPECT_EQ(hasMnemonic(m.translation), hasMnemonic(m.source)) << where;
    }
}

TEST_P(ShippedTranslation, NamesItsOwnLanguageFileAndTranslator)
{
    const TsFile ts = ReadTsFile(GetParam());
    const QString code = LanguageCodeForLocale(ts.language);
    ASSERT_FALSE(code.isEmpty());
    for (const TsMessage &m : ts.messages) {
        if (m.context != u"Messages")
            continue;
        if (m.source == u"Orvane.ENG") {
            EXPECT_EQ(m.translation, u"Orvane."_s + code);
        }
        if (m.source == u"Localized by: ") {
            EXPECT_GT(m.translation.trimmed().size(), m.source.size()) << "no translator named";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTranslation, ::testing::ValuesIn(shippedTsFiles()),
    [](const auto &info) { return QFileInfo(info.param).completeBaseName().toStdString(); });

} // namespace
