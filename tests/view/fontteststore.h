#pragma once

#include "memorystore.h"
#include "settings/settingstable.h"

// A settings table at its defaults over a MemoryStore.
struct FontTestSettings
{
    FontTestSettings() { table.createDefaultSettings(); }
    void set(SettingKey key, const QString &value) { table[key].assignValue(value); }

    MemoryStore store;
    SettingsTable table { &store };
};
