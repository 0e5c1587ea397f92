#pragma once

#include <QString>

#include <functional>
#include <memory>

// The three roots the program uses. Classes is the merged view of the
// current user's and the machine's Software\Classes keys.
enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

// Keys, subkeys and string values kept in one text file laid out like a
// .reg export. Every operation rereads the file and every change rewrites
// it atomically under a lock, so several program windows can share it.
// Key and value names compare without regard to letter case.
class RegistryStore
{
public:
    explicit RegistryStore(QString filePath = standardFilePath());
    ~RegistryStore();

    // $XDG_DATA_HOME/orvane/registry.reg.
    static QString standardFilePath();

    // Asked before every change; true refuses it (the noRegistryWrite setting).
    void setWriteDenied(std::function<bool()> denied) { m_writeDenied = std::move(denied); }

    // Key paths start from the root, e.g. "\Software\Orvane"; an empty value
    // name is the key's default value.
    bool writeRegistryString(
        const QString &valueName, const QString &data, const QString &keyPath, RegistryRoot root);
    // out is left untouched on failure.
    bool readRegistryString(
        const QString &keyPath, const QString &valueName, RegistryRoot root, QString &out) const;
    // Expected "0" only tests that the value exists.
    bool registryValueMatches(const QString &keyPath, const QString &valueName, RegistryRoot root,
        const QString &expected) const;
    bool deleteRegistryKey(const QString &keyPath, RegistryRoot root);
    bool deleteRegistryValue(const QString &keyPath, const QString &valueName, RegistryRoot root);

    // Between these, reads answer from one reading of the file; calls nest.
    void beginReadBatch();
    void endReadBatch();

private:
    struct Cache;
    // Rereads the file; parses it again only when its bytes changed.
    const Cache &readCurrent() const;
    bool writeDenied() const { return m_writeDenied && m_writeDenied(); }
    // A change makes the batch read the file afresh.
    void forgetBatchRead() { m_batchRead = false; }

    QString m_filePath;
    std::function<bool()> m_writeDenied;
    std::unique_ptr<Cache> m_cache;
    int m_batchDepth = 0;
    mutable bool m_batchRead = false; // the cache holds this batch's reading
};

// The process's one registry store, in its standard place.
RegistryStore &processRegistry();

// The text telling the user a registry change failed.
QString registryFailureMessage(bool noRegistryWriteOn);
