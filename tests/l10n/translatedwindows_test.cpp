// Under each shipped translation, no window and no message shows English text.
#include "app/form01_main.h"
#include "l10n/language.h"
#include "l10n/messages.h"
#include "l10n/translations.h"
#include "memorystore.h"
#include "settings/form10_inifile.h"
#include "settings/settingsstorage.h"
#include "testseams.h"
#include "text/encodinglabels.h"
#include "text/form09_unicodewarning.h"
#include "tsfile.h"
#include "view/statusbarpanels.h"
#include "view/tmemopad.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest/QTest>

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace Qt::StringLiterals;

void PrintTo(const QString &text, std::ostream *os)
{
    *os << text.toStdString();
}

namespace {

// Every text a person can read on a window, keyed by where it is shown.
using Texts = std::map<QString, QString>;

QString pathOf(const QObject *object, const QObject *root)
{
    QStringList parts;
    for (const QObject *o = object; o && o != root; o = o->parent()) {
        const QString name = o->objectName();
        parts.prepend(name.isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                    + QString::number(o->parent() ? o->parent()->children().indexOf(o) : 0)
                                     : name);
    }
    return parts.join(u'/');
}

void add(Texts &texts, const QString &where, const QString &text)
{
    if (!text.isEmpty())
        texts[where] = text;
}

void collectFrom(const QObject *object, const QObject *root, Texts &texts)
{
    const QString at = pathOf(object, root);
    if (const auto *widget = qobject_cast<const QWidget *>(object)) {
        if (widget->isWindow())
            add(texts, at + u"#title"_s, widget->windowTitle());
        add(texts, at + u"#toolTip"_s, widget->toolTip());
        add(texts, at + u"#statusTip"_s, widget->statusTip());
        add(texts, at + u"#whatsThis"_s, widget->whatsThis());
    }
    if (const auto *action = qobject_cast<const QAction *>(object)) {
        add(texts, at + u"#text"_s, action->text());
        add(texts, at + u"#toolTip"_s, action->toolTip());
        add(texts, at + u"#statusTip"_s, action->statusTip());
    }
    if (const auto *menu = qobject_cast<const QMenu *>(object))
        add(texts, at + u"#menu"_s, menu->title());
    if (const auto *label = qobject_cast<const QLabel *>(object))
        add(texts, at + u"#label"_s, label->text());
    if (const auto *button = qobject_cast<const QAbstractButton *>(object))
        add(texts, at + u"#button"_s, button->text());
    if (const auto *group = qobject_cast<const QGroupBox *>(object))
        add(texts, at + u"#group"_s, group->title());
    if (const auto *tabs = qobject_cast<const QTabWidget *>(object)) {
        for (int i = 0; i < tabs->count(); ++i)
            add(texts, at + u"#tab"_s + QString::number(i), tabs->tabText(i));
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(object)) {
        for (int i = 0; i < combo->count(); ++i)
            add(texts, at + u"#item"_s + QString::number(i), combo->itemText(i));
    }
}

Texts textsOf(const QObject *root)
{
    Texts texts;
    collectFrom(root, root->parent(), texts);
    for (const QObject *child : root->findChildren<QObject *>())
        collectFrom(child, root->parent(), texts);
    return texts;
}

bool hasLetters(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Texts a translation keeps on purpose: its entries translated as themselves.
std::set<QString> keptAsTheyAre(const QString &tsPath)
{
    std::set<QString> kept;
    for (const TsMessage &m : ReadTsFile(tsPath).messages) {
        if (m.finished && m.translation == m.source)
            kept.insert(m.source);
    }
    return kept;
}

struct Language
{
    const char *ts;
    const char *code;
};

void PrintTo(const Language &language, std::ostream *os)
{
    *os << language.code;
}

class TranslatedWindowsTest : public ::testing::TestWithParam<Language>
{
protected:
    void SetUp() override { store.values[u"currentVersion"_s] = u"1.8"_s; }
    void TearDown() override { removeTranslation(); }

    QString languageFile() const
    {
        return QStringLiteral(ORVANE_LANGUAGE_DIR) + u"/orvane."_s
            + QString::fromLatin1(GetParam().code);
    }
    QString tsFile() const
    {
        return QStringLiteral(ORVANE_TS_DIR) + u"/"_s + QString::fromLatin1(GetParam().ts);
    }
    void translate() { ASSERT_TRUE(InstallTranslation(qApp, languageFile())); }
    static void removeTranslation()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    Texts windowTexts()
    {
        TformMain window({ QCoreApplication::applicationFilePath(), {}, &store });
        Texts texts = textsOf(&window);
        QTemporaryDir dir;
        RegistryStore registry(dir.filePath(u"registry.reg"_s));
        SettingsStorage storage(
            { dir.filePath(u"program"_s), dir.filePath(u"appdata"_s) }, registry);
        TformIniFileLocation ini(storage);
        texts.merge(textsOf(&ini));
        return texts;
    }
    static std::vector<QString> messageTexts()
    {
        std::vector<QString> texts;
        for (int id = 0; id <= int(Msg::notAdminHelpText); ++id)
            texts.push_back(message(Msg(id)));
        for (const LanguageEntry &entry : LanguageEntries())
            texts.push_back(QCoreApplication::translate("Language", entry.name));
        for (const QString &label : EncodingLabels())
            texts.push_back(label);
        return texts;
    }
    // The English texts that the translation shows unchanged without meaning to.
    std::vector<QString> leftInEnglish(const std::vector<std::pair<QString, QString>> &pairs) const
    {
        const std::set<QString> kept = keptAsTheyAre(tsFile());
        std::vector<QString> english;
        for (const auto &[before, after] : pairs) {
            if (after == before && hasLetters(before) && !kept.count(before))
                english.push_back(before);
        }
        return english;
    }

    FakeSeams fakes;
    MemoryStore store;
};

TEST_P(TranslatedWindowsTest, WindowsShowNoEnglishText)
{
    const Texts english = windowTexts();
    ASSERT_GT(english.size(), 40u);
    translate();
    const Texts translated = windowTexts();
    std::vector<std::pair<QString, QString>> pairs;
    for (const auto &[where, text] : english) {
        ASSERT_TRUE(translated.count(where)) << where.toStdString();
        pairs.emplace_back(text, translated.at(where));
    }
    for (const QString &text : leftInEnglish(pairs))
        ADD_FAILURE() << "shown in English: " << text.toStdString();
}

TEST_P(TranslatedWindowsTest, MessagesShowNoEnglishText)
{
    const std::vector<QString> english = messageTexts();
    translate();
    const std::vector<QString> translated = messageTexts();
    std::vector<std::pair<QString, QString>> pairs;
    for (size_t i = 0; i < english.size(); ++i)
        pairs.emplace_back(english[i], translated[i]);
    for (const QString &text : leftInEnglish(pairs))
        ADD_FAILURE() << "shown in English: " << text.toStdString();
}

TEST_P(TranslatedWindowsTest, LocalizationInformationIsOfferedOnlyUnderATranslation)
{
    {
        TformMain window({ QCoreApplication::applicationFilePath(), {}, &store });
        QAction *item = window.findChild<QAction *>(u"Localizationfile1"_s);
        ASSERT_TRUE(item);
        EXPECT_FALSE(item->isVisible());
        EXPECT_FALSE(item->isEnabled());
    }
    translate();
    EXPECT_EQ(activeLanguageCode(), QString::fromLatin1(GetParam().code));
    TformMain window({ QCoreApplication::applicationFilePath(), {}, &store });
    QAction *item = window.findChild<QAction *>(u"Localizationfile1"_s);
    ASSERT_TRUE(item->isVisible() && item->isEnabled());
    item->trigger();
    ASSERT_EQ(fakes.messages.size(), 1u);
    EXPECT_EQ(fakes.messages[0].caption, u"Orvane"_s);
    EXPECT_TRUE(
        fakes.messages[0].text.contains(u"Orvane."_s + QString::fromLatin1(GetParam().code)));
    EXPECT_TRUE(fakes.messages[0].text.contains(message(Msg::translator)));
    EXPECT_FALSE(fakes.messages[0].text.contains(u"Localized by"_s));
    // Line breaks, not the two characters that stand for one in a translation.
    EXPECT_FALSE(fakes.messages[0].text.contains(u"\\n"_s));
    EXPECT_TRUE(fakes.messages[0].text.contains(u"\n\n"_s));
}

// Every button and every one-line label shows its whole text.
void expectNothingCutOff(QDialog *dialog)
{
    dialog->show();
    dialog->layout()->activate();
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (button->isVisible()) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
    }
    for (const QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->isVisible() && !label->wordWrap()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
    dialog->hide();
}

// Every panel of the status bar, on a read-only UTF-8 file in overwrite mode.
std::vector<QString> statusPanelTexts(TformMain &window, const QString &file)
{
    window.OpenFile(file, QString(), true);
    QTest::keyClick(window.memo(), Qt::Key_Insert);
    const auto *bar = window.findChild<TStatusPanels *>();
    std::vector<QString> texts;
    for (int panel = 0; panel < statusPanelCount; ++panel) {
        if (panel != pathPanel)
            texts.push_back(bar->PanelText(panel));
    }
    texts.push_back(StatusBarHint(unicodePanel, file, Encoding::Ansi).text);
    return texts;
}

TEST_P(TranslatedWindowsTest, StatusBarShowsNoEnglishTextAndFitsItsPanels)
{
    for (const char *key : { "showStatusBarItemSelLength", "showStatusBarItemFileSize" })
        store.values[QLatin1String(key)] = u"1"_s;
    store.values[u"allowTextChanges"_s] = u"0"_s;
    QTemporaryDir dir;
    QFile file(dir.filePath(u"text.txt"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBFtext");
    file.close();
    std::vector<QString> english;
    {
        TformMain window({ QCoreApplication::applicationFilePath(), {}, &store });
        window.show();
        english = statusPanelTexts(window, file.fileName());
    }
    translate();
    TformMain window({ QCoreApplication::applicationFilePath(), {}, &store });
    window.show();
    const std::vector<QString> translated = statusPanelTexts(window, file.fileName());
    std::vector<std::pair<QString, QString>> pairs;
    const auto *bar = window.findChild<TStatusPanels *>();
    const QFontMetrics metrics(bar->font());
    for (size_t i = 0; i < english.size(); ++i) {
        pairs.emplace_back(english[i], translated[i]);
        if (i >= size_t(statusPanelCount) - 1)
            continue; // the hint has no panel
        const int room
            = std::max(bar->PanelWidth(int(i)) - 8, metrics.horizontalAdvance(english[i]));
        EXPECT_LE(metrics.horizontalAdvance(translated[i]), room) << translated[i].toStdString();
    }
    for (const QString &text : leftInEnglish(pairs))
        ADD_FAILURE() << "shown in English: " << text.toStdString();
}

TEST_P(TranslatedWindowsTest, DialogsShowTheirWholeTexts)
{
    translate();
    TformMain window({ QCoreApplication::applicationFilePath(), {}, &store });
    fakes.dialog = [](QDialog *dialog) {
        expectNothingCutOff(dialog);
        return 0;
    };
    auto *warning = window.findChild<TformUnicodeWarning *>();
    ASSERT_TRUE(warning);
    warning->ShowUnicodeWarning(Encoding::WesternLatin, &window, false);
    // Every other dialog the window owns (find, go to, prefixes and the ones to come).
    fakes.dialog = {};
    for (QDialog *dialog : window.findChildren<QDialog *>()) {
        if (dialog != warning)
            expectNothingCutOff(dialog);
    }
    QTemporaryDir dir;
    RegistryStore registry(dir.filePath(u"registry.reg"_s));
    SettingsStorage storage({ dir.filePath(u"program"_s), dir.filePath(u"appdata"_s) }, registry);
    TformIniFileLocation ini(storage);
    expectNothingCutOff(&ini);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindowsTest,
    ::testing::Values(Language { "orvane_de.ts", "DEU" }, Language { "orvane_fr.ts", "FRA" },
        Language { "orvane_es.ts", "ESP" }),
    [](const auto &info) { return std::string(info.param.code); });

} // namespace
