#pragma once

#include "settingskeys.h"
#include "settingsvalue.h"

#include <memory>
#include <vector>

class SettingsStore;

// The 92 settings, addressed by SettingKey. Look entries up each time:
// a reset of all settings replaces them.
class SettingsTable
{
public:
    explicit SettingsTable(SettingsStore *store, bool cjkLanguage = false);

    SettingsValue &operator[](SettingKey key) { return *m_entries.at(int(key)); }
    const SettingsValue &operator[](SettingKey key) const { return *m_entries.at(int(key)); }
    SettingsValue &at(int index) { return *m_entries.at(index); }
    int size() const { return int(m_entries.size()); }

    void createDefaultSettings();
    void loadAllSettings();
    void saveAllSettings();
    void freeSettings();
    // Everything back to factory values and stored (the storage mode stays).
    void resetAllSettings();

    SettingsStore *store() const { return m_store; }

private:
    SettingsStore *m_store;
    bool m_cjkLanguage;
    std::vector<std::unique_ptr<SettingsValue>> m_entries;
};
