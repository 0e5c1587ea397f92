#include "application.h"
#include "form01_main.h"
#include "settings/settingsstorage.h"

int main(int argc, char **argv)
{
    OrvaneApplication app(argc, argv);
    try {
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
