#pragma once

#include "settings/inifile.h"
#include "settings/settingsstorage.h"
#include "settings/settingstable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline const QString orvaneKey = QStringLiteral("\\Software\\Orvane");
inline const QString S = QStringLiteral("Settings");

// A program folder, a configuration folder and a registry file of its own.
class SettingsStorageTest : public ::testing::Test
{
protected:
    SettingsStorageTest()
    {
        QDir().mkpath(programFolder());
        QDir().mkpath(configFolder());
    }
    QString programFolder() const { return dir.filePath(QStringLiteral("prog")); }
    QString configFolder() const { return dir.filePath(QStringLiteral("config")); }
    QString programIni() const { return programFolder() + QStringLiteral("/settings.ini"); }
    QString appDataIni() const { return configFolder() + QStringLiteral("/Orvane/settings.ini"); }

    // Starts as the program does: defaults, storage choice, loading.
    QString start()
    {
        table.createDefaultSettings();
        const QString message = storage.chooseStorageAtStart();
        table.loadAllSettings();
        return message;
    }
    void putIni(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString registryValue(const QString &name)
    {
        QString out = QStringLiteral("<none>");
        storage.registry().readRegistryString(orvaneKey, name, RegistryRoot::CurrentUser, out);
        return out;
    }
    static QString iniValue(const QString &path, const QString &key)
    {
        return readIniValue(path, S, key).value_or(QStringLiteral("<none>"));
    }

    QTemporaryDir dir;
    SettingsStorage storage{StoragePaths{programFolder(), configFolder(),
                                         dir.filePath(QStringLiteral("data/registry.reg"))}};
    SettingsTable table{&storage};
    bool attached = (storage.attach(&table), true);
};
