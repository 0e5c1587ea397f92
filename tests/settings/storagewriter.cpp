// Writes count keys named prefix0, prefix1... into an INI file or a registry
// store, one change at a time, as a second program window would.
#include "settings/inifile.h"
#include "settings/registrystore.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    const QString &mode = args.at(1);
    const QString &path = args.at(2);
    const QString &prefix = args.at(3);
    const int count = args.at(4).toInt();
    RegistryStore registry(path);
    for (int i = 0; i < count; ++i) {
        const QString key = prefix + QString::number(i);
        const bool ok = mode == QLatin1String("ini")
            ? writeIniValue(path, QStringLiteral("Settings"), key, key).ok
            : registry.writeRegistryString(
                key, key, QStringLiteral("\\Software\\Orvane"), RegistryRoot::CurrentUser);
        if (!ok)
            return 1;
    }
    return 0;
}
