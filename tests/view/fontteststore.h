#pragma once

#include "settings/settingsstore.h"
#include "settings/settingstable.h"

#include <map>
#include <vector>

// Settings kept in memory, with every write recorded.
class FontTestStore : public SettingsStore
{
public:
    QString readStoredValue(const QString &key, const QString &def) override
    {
        const auto it = values.find(key);
        return it == values.end() ? def : it->second;
    }
    void writeStoredValue(const QString &key, const QString &value) override
    {
        values[key] = value;
        writes.push_back(key);
    }
    std::map<QString, QString> values;
    std::vector<QString> writes;
};

// A settings table at its defaults over a FontTestStore.
struct FontTestSettings
{
    FontTestSettings() { table.createDefaultSettings(); }
    void set(SettingKey key, const QString &value) { table[key].assignValue(value); }

    FontTestStore store;
    SettingsTable table { &store };
};
