// What loading the 92 settings at start costs: 92 fresh reads of the INI
// file or of the registry store, each parsing the whole file.
#include "settings/settingsstorage.h"
#include "settings/settingstable.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A storage in its own folder, every setting written once, in INI or registry mode.
struct FilledStorage
{
    explicit FilledStorage(bool ini)
    {
        QDir().mkpath(dir.filePath(QStringLiteral("prog")));
        if (ini)
            storage.switchStorage(); // writes all 92 to settings.ini
        else
            table.saveAllSettings();
    }

    QTemporaryDir dir;
    RegistryStore registry { dir.filePath(QStringLiteral("data/registry.reg")) };
    SettingsStorage storage { StoragePaths { dir.filePath(QStringLiteral("prog")),
                                  dir.filePath(QStringLiteral("config")) },
        registry };
    SettingsTable table { &storage };
    bool ready = (storage.attach(&table), table.createDefaultSettings(), true);
};

void loadAll(benchmark::State &state, bool ini)
{
    FilledStorage filled(ini);
    filled.storage.chooseStorageAtStart();
    if (filled.storage.useIniFile() != ini) {
        state.SkipWithError("storage mode not as set up");
        return;
    }
    for (auto _ : state)
        filled.table.loadAllSettings();
}

void LoadAllFromIni(benchmark::State &state)
{
    loadAll(state, true);
}
void LoadAllFromRegistry(benchmark::State &state)
{
    loadAll(state, false);
}

} // namespace

BENCHMARK(LoadAllFromIni)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAllFromRegistry)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
