#pragma once

#include "settings/settingsstore.h"

#include <QString>

#include <map>
#include <utility>
#include <vector>

// Settings kept in memory, with every write recorded in order.
class MemoryStore : public SettingsStore
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
        writes.emplace_back(key, value);
    }
    std::map<QString, QString> values;
    std::vector<std::pair<QString, QString>> writes; // key, value
};
