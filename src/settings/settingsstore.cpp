#include "settingsstore.h"

QString NullSettingsStore::readStoredValue(const QString &, const QString &def)
{
    return def;
}

void NullSettingsStore::writeStoredValue(const QString &, const QString &) { }
