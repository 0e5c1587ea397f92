// What loading the 92 settings at start costs, from a small store and from
// stores grown large. Each start reads and parses the file once; 16,000
// registry keys and a 16 MB INI file must stay under 500 ms, and 175,000 keys
// (33 MB) show that the cost grows in proportion to the file.
#include "settings/settingsstorage.h"
#include "settings/settingstable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString orvaneKey = QStringLiteral("\\Software\\Orvane");

QByteArray utf16WithMark(const QString &text)
{
    return QByteArray("\xFF\xFE")
        + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A program folder, a configuration folder and a registry file of its own.
struct Folders
{
    QString programFolder() const { return dir.filePath(QStringLiteral("prog")); }
    QString registryFile() const { return dir.filePath(QStringLiteral("data/registry.reg")); }
    QString programIni() const { return programFolder() + QStringLiteral("/settings.ini"); }
    StoragePaths paths() const
    {
        return { programFolder(), dir.filePath(QStringLiteral("config")) };
    }

    QTemporaryDir dir;
    bool made = QDir().mkpath(programFolder());
};

// One start of the program's storage: choose registry or INI, load everything.
bool startOnce(const Folders &folders, bool expectIni)
{
    RegistryStore registry(folders.registryFile());
    SettingsStorage storage(folders.paths(), registry);
    SettingsTable table(&storage);
    storage.attach(&table);
    table.createDefaultSettings();
    storage.chooseStorageAtStart();
    table.loadAllSettings();
    benchmark::DoNotOptimize(table[SettingKey::tabSize].value());
    return storage.useIniFile() == expectIni;
}

void runStarts(benchmark::State &state, const Folders &folders, bool ini)
{
    for (auto _ : state) {
        if (!startOnce(folders, ini)) {
            state.SkipWithError("storage mode not as set up");
            return;
        }
    }
}

// Every setting written once through the storage itself.
void fillThroughStorage(const Folders &folders, bool ini)
{
    RegistryStore registry(folders.registryFile());
    SettingsStorage storage(folders.paths(), registry);
    SettingsTable table(&storage);
    storage.attach(&table);
    table.createDefaultSettings();
    if (ini)
        storage.switchStorage(); // writes all 92 to settings.ini
    else
        table.saveAllSettings();
}

void LoadAllFromIni(benchmark::State &state)
{
    Folders folders;
    fillThroughStorage(folders, true);
    runStarts(state, folders, true);
}

void LoadAllFromRegistry(benchmark::State &state)
{
    Folders folders;
    fillThroughStorage(folders, false);
    runStarts(state, folders, false);
}

// The settings key among many file-type keys (16,000; 175,000 make 33 MB).
void LoadAllFromRegistryWithManyKeys(benchmark::State &state)
{
    Folders folders;
    fillThroughStorage(folders, false);
    QFile small(folders.registryFile());
    small.open(QIODevice::ReadOnly);
    QString text
        = QString::fromUtf16(reinterpret_cast<const char16_t *>(small.readAll().constData() + 2));
    for (int i = 0; i < state.range(0); ++i) {
        text += QStringLiteral("[HKEY_CURRENT_USER\\Software\\Classes\\.ext%1]\r\n"
                               "@=\"Orvane.ext%1\"\r\n\"Orvane_backup\"=\"txtfile\"\r\n\r\n")
                    .arg(i);
    }
    small.close();
    writeFile(folders.registryFile(), utf16WithMark(text));
    state.counters["MB"] = double(QFileInfo(folders.registryFile()).size()) / (1 << 20);
    runStarts(state, folders, false);
}

// The 92 settings followed by 16 MB of other sections.
void LoadAllFrom16MbIni(benchmark::State &state)
{
    Folders folders;
    fillThroughStorage(folders, true);
    QFile small(folders.programIni());
    small.open(QIODevice::ReadOnly);
    QString text
        = QString::fromUtf16(reinterpret_cast<const char16_t *>(small.readAll().constData() + 2));
    small.close();
    const QString line = QStringLiteral("entry%1=C:\\Users\\someone\\Documents\\art\\%1.nfo\r\n");
    for (int i = 0; text.size() * 2 < 16 * 1024 * 1024; ++i) {
        if (i % 1000 == 0)
            text += QStringLiteral("\r\n[History%1]\r\n").arg(i / 1000);
        text += line.arg(i);
    }
    writeFile(folders.programIni(), utf16WithMark(text));
    state.counters["MB"] = double(QFileInfo(folders.programIni()).size()) / (1 << 20);
    runStarts(state, folders, true);
}

} // namespace

BENCHMARK(LoadAllFromIni)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAllFromRegistry)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAllFromRegistryWithManyKeys)->Arg(16000)->Arg(175000)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAllFrom16MbIni)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
