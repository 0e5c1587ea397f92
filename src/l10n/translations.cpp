#include "translations.h"

#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallTranslation(QCoreApplication *app, const QString &languageFile)
{
    if (languageFile.isEmpty())
        return false;
    auto *program = new QTranslator(app);
    // The file name is used as it stands: no ".qm" and no shorter names tried.
    if (!QFileInfo(languageFile).isFile() || !program->load(languageFile)) {
        delete program;
        return false;
    }
    const QString code = languageFile.mid(languageFile.lastIndexOf(QLatin1Char('.')) + 1);
    const QString locale = LocaleForLanguageCode(code);
    if (!locale.isEmpty()) {
        // Button texts of message boxes and the standard dialogs.
        auto *qt = new QTranslator(app);
        if (qt->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    QCoreApplication::installTranslator(program);
    return true;
}

QString LoadLanguageAtStart(QCoreApplication *app, const QString &exePath,
    const RegistryStore &registry, const QStringList &uiLanguages)
{
    const QString canonical = QFileInfo(exePath).canonicalFilePath();
    const QString program = canonical.isEmpty() ? exePath : canonical;
    const QString file = ChooseLanguageFile(StoredLanguageOverride(registry, program), uiLanguages,
        program, [](const QString &path) { return QFileInfo(path).isFile(); });
    return InstallTranslation(app, file) ? file : QString();
}
