#include "fontregistry.h"

#include <QDir>
#include <QFontDatabase>
#include <QList>

namespace {

// The private font files beside the program.
constexpr const char *privateFontFiles[] = { "fdata.nf", "tfdata.nf" };

QList<int> &RegisteredFonts()
{
    static QList<int> ids;
    return ids;
}

} // namespace

void RegisterPrivateFonts(const QString &folder)
{
    const QDir dir(folder);
    for (const char *file : privateFontFiles) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(QLatin1String(file)));
        if (id >= 0)
            RegisteredFonts().append(id);
    }
}

void UnregisterPrivateFonts()
{
    for (int id : std::as_const(RegisteredFonts()))
        QFontDatabase::removeApplicationFont(id);
    RegisteredFonts().clear();
}
