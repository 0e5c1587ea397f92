#include "settingstable.h"

#include "settingsstore.h"

SettingsTable::SettingsTable(SettingsStore *store, bool cjkLanguage)
    : m_store(store)
    , m_cjkLanguage(cjkLanguage)
{ }

void SettingsTable::createDefaultSettings()
{
    m_entries.clear();
    m_entries.reserve(settingsCount);
    for (int i = 0; i < settingsCount; ++i) {
        SettingDefinition d = settingDefinition(i, m_cjkLanguage);
        m_entries.push_back(std::make_unique<SettingsValue>(
            QString::fromLatin1(d.key), std::move(d.defaultValue), m_store));
    }
}

void SettingsTable::loadAllSettings()
{
    const SettingsReadBatch batch(m_store);
    for (auto &entry : m_entries)
        entry->loadValue();
}

void SettingsTable::saveAllSettings()
{
    for (auto &entry : m_entries)
        entry->storeValue();
}

void SettingsTable::freeSettings()
{
    m_entries.clear();
}

void SettingsTable::resetAllSettings()
{
    freeSettings();
    createDefaultSettings();
    saveAllSettings();
}
