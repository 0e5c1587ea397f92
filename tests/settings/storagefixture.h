#pragma once

#include "settings/inifile.h"
#include "settings/settingsstorage.h"
#include "settings/settingstable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A program folder, a configuration folder and a registry file of its own.
class SettingsStorageTest : public ::testing::Test
{
protected:
    SettingsStorageTest() { QDir().mkpath(programFolder()); }
    QString programFolder() const { return dir.filePath(u"prog"_s); }
    QString configFolder() const { return dir.filePath(u"config"_s); }
    QString programIni() const { return programFolder() + u"/settings.ini"_s; }
    QString appDataIni() const { return configFolder() + u"/Orvane/settings.ini"_s; }

    // Starts as the program does: defaults, storage choice, loading.
    QString start()
    {
        table.createDefaultSettings();
        const QString message = storage.chooseStorageAtStart();
        table.loadAllSettings();
        return message;
    }
    static void put(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The configuration folder becomes a file, so nothing can be created in it.
    void blockConfigFolder()
    {
        QDir(configFolder()).removeRecursively();
        put(configFolder(), "not a folder");
    }
    QString registryValue(const QString &name)
    {
        QString out = u"<none>"_s;
        storage.registry().readRegistryString(
            u"\\Software\\Orvane"_s, name, RegistryRoot::CurrentUser, out);
        return out;
    }
    void putRegistry(const QString &name, const QString &value)
    {
        storage.registry().writeRegistryString(
            name, value, u"\\Software\\Orvane"_s, RegistryRoot::CurrentUser);
    }
    static QString iniValue(const QString &path, const QString &key)
    {
        return readIniValue(path, u"Settings"_s, key).value_or(u"<none>"_s);
    }

    QTemporaryDir dir;
    RegistryStore registry { dir.filePath(u"data/registry.reg"_s) };
    SettingsStorage storage { StoragePaths { programFolder(), configFolder() }, registry };
    SettingsTable table { &storage };
    bool attached = (storage.attach(&table), true);
};
