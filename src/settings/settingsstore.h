#pragma once

#include <QString>

// The one door between the settings table and wherever settings are kept.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text for key, or def when storage has none.
    virtual QString readStoredValue(const QString &key, const QString &def) = 0;
    // Stores value under key; failures are silent.
    virtual void writeStoredValue(const QString &key, const QString &value) = 0;
    // Reads between these may all answer from one reading of storage.
    virtual void beginReadBatch() { }
    virtual void endReadBatch() { }
};

// One batch of reads for as long as it lives.
class SettingsReadBatch
{
public:
    explicit SettingsReadBatch(SettingsStore *store)
        : m_store(store)
    {
        if (m_store)
            m_store->beginReadBatch();
    }
    ~SettingsReadBatch()
    {
        if (m_store)
            m_store->endReadBatch();
    }
    SettingsReadBatch(const SettingsReadBatch &) = delete;
    SettingsReadBatch &operator=(const SettingsReadBatch &) = delete;

private:
    SettingsStore *m_store;
};

// Keeps nothing: every read answers the default.
class NullSettingsStore final : public SettingsStore
{
public:
    QString readStoredValue(const QString &key, const QString &def) override;
    void writeStoredValue(const QString &key, const QString &value) override;
};
