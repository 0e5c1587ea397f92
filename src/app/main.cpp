#include "application.h"
#include "form01_main.h"
#include "l10n/translations.h"
#include "settings/settingsstorage.h"

#include <QLocale>

int main(int argc, char **argv)
{
    OrvaneApplication app(argc, argv);
    try {
        // Before the first window, so every window is made translated.
        LoadLanguageAtStart(&app, QCoreApplication::applicationFilePath(), processRegistry(),
            QLocale::system().uiLanguages());
        SettingsStorage storage(
            StoragePaths::standard(QCoreApplication::applicationDirPath()), processRegistry());
        TformMain window(
            { QCoreApplication::applicationFilePath(), app.arguments().mid(1), nullptr, &storage });
        window.show();
        return app.exec();
    } catch (...) {
        ReportException(std::current_exception());
    }
    return 1; // the window could not be made: not a clean run
}
