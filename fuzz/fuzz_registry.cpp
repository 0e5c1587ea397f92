// The registry store's file: parsing whatever is found, answering reads, and
// rewriting it without losing what could be read.
#include "fuzzsupport.h"
#include "settings/registrystore.h"

#include <QDir>

#include <cstdint>

namespace {

const QString orvaneKey = QStringLiteral("\\Software\\Orvane");
const QString names[]
    = { QStringLiteral("saveToIni"), QStringLiteral("a"), QString(), QStringLiteral("wordWrap") };

struct Snapshot
{
    QString values[4];
    bool present[4] = {};
    bool operator==(const Snapshot &) const = default;
};

Snapshot readAll(const RegistryStore &store, const QString &key, RegistryRoot root)
{
    Snapshot s;
    for (int i = 0; i < 4; ++i)
        s.present[i] = store.readRegistryString(key, names[i], root, s.values[i]);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    environment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString folder = environment().path("reg");
    QDir(folder).removeRecursively(); // files kept aside from earlier inputs
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/registry.reg");
    if (!writeBytes(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;

    RegistryStore store(path);
    const Snapshot classes = readAll(store, QStringLiteral("\\.nfo"), RegistryRoot::ClassesRoot);
    const Snapshot before = readAll(store, orvaneKey, RegistryRoot::CurrentUser);
    store.registryValueMatches(orvaneKey, names[0], RegistryRoot::CurrentUser, QStringLiteral("1"));

    // A change elsewhere keeps everything that could be read before.
    require(store.writeRegistryString(QStringLiteral("fuzz"), QStringLiteral("x\"\\\r\n"),
                QStringLiteral("\\Software\\Fuzz"), RegistryRoot::CurrentUser),
        "a write to a readable file succeeds");
    RegistryStore fresh(path);
    require(readAll(fresh, orvaneKey, RegistryRoot::CurrentUser) == before, "nothing read is lost");
    require(readAll(fresh, QStringLiteral("\\.nfo"), RegistryRoot::ClassesRoot) == classes,
        "nothing read is lost in the class view");
    QString back;
    require(fresh.readRegistryString(QStringLiteral("\\Software\\Fuzz"), QStringLiteral("FUZZ"),
                RegistryRoot::CurrentUser, back)
            && back == QStringLiteral("x\"\\\r\n"),
        "the value written reads back");

    fresh.deleteRegistryValue(orvaneKey, names[1], RegistryRoot::CurrentUser);
    fresh.deleteRegistryKey(QStringLiteral("\\Software"), RegistryRoot::CurrentUser);
    return 0;
}
