#pragma once

#include "inifile.h"
#include "registrystore.h"
#include "settingsstore.h"

#include <QString>

#include <optional>

class SettingsTable;

// Where the settings files are looked for.
struct StoragePaths
{
    QString programFolder; // the executable's folder
    QString appDataFolder; // the per-user folder that holds "Orvane"

    // The real places for a program in exeFolder.
    static StoragePaths standard(const QString &exeFolder);
};

enum class IniLocation { ProgramFolder, AppData };

// Result of the INI write test; error holds the system's text on failure.
using IniWriteTest = IniResult;

// The settings back end: the registry key \Software\Orvane of the current user,
// or settings.ini beside the program or in the user's application-data folder.
// Every read and write goes to storage afresh; nothing is cached.
class SettingsStorage final : public SettingsStore
{
public:
    SettingsStorage(const StoragePaths &paths, RegistryStore &registry);
    ~SettingsStorage() override;

    // The table whose saveToIni and noRegistryWrite entries steer this storage.
    void attach(SettingsTable *table);
    RegistryStore &registry() { return m_registry; }

    // Picks registry or INI file; runs between creating and loading the settings.
    // Returns the error text to show, empty when all is well.
    QString chooseStorageAtStart();

    QString readStoredValue(const QString &key, const QString &def) override;
    void writeStoredValue(const QString &key, const QString &value) override;
    // A batch reads the INI file or the registry store once.
    void beginReadBatch() override;
    void endReadBatch() override;

    bool useIniFile() const { return m_useIniFile; }
    bool iniFileInAppData() const { return m_iniFileInAppData; }

    QString iniFilePath(IniLocation location) const;
    bool iniFileExists(IniLocation location) const;
    QString activeIniFilePath() const;
    bool testIniRead() const;
    // With retry, a failure in the application-data folder creates the folder
    // and tests once more; the error is that of the last attempt.
    IniWriteTest testIniWrite(bool retry);
    void clearIniReadOnly();
    void deleteIniFile();
    bool iniFileIsUtf16() const;
    bool createAppDataFolder();
    bool removeAppDataFolder();

    // Steps of the one-time setup after a version change.
    void removeLegacyRegistryValues();
    void upgradeIniEncoding();

    // Moves every setting between registry and INI file.
    void switchStorage();
    // Moves the INI file; returns the error to show when the new place cannot
    // be written (the old place then stays in force).
    QString moveIniFile(bool toAppData);

private:
    QString readIni(const QString &key, const QString &def);
    bool iniForbidsRegistryWrites() const;
    bool writeIni(const QString &key, const QString &value);
    void setAppDataFolderFor(bool inAppData);
    QString appDataOrvaneFolder() const;

    StoragePaths m_paths;
    RegistryStore &m_registry;
    SettingsTable *m_table = nullptr;
    bool m_useIniFile = false;
    bool m_iniFileInAppData = false;
    int m_batchDepth = 0;
    std::optional<IniSection> m_batchIni; // the INI file as read in this batch
    QString m_batchIniPath;
};
