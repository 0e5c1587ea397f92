#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class RegistryStore;

// Puts the translation of the language file on app, with Qt's own
// translation for the same language when the system has it. An empty path
// or a file that is not a translation leaves the built-in English.
bool InstallTranslation(QCoreApplication *app, const QString &languageFile);

// The start-up step that runs before the first window: the stored choice
// for exePath, else the user's interface languages, pick the language file.
// Returns the file loaded, empty for English.
QString LoadLanguageAtStart(QCoreApplication *app, const QString &exePath,
    const RegistryStore &registry, const QStringList &uiLanguages);
