// Opening a file in the main window end to end (detection, decoding, line
// breaks, putting the text into the editor with the NFO or text font) and
// saving it again.
#include "app/form01_main.h"
#include "guibenchmain.h"
#include "samples.h"
#include "text/textload.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Fixture
{
    Fixture()
    {
        writeSample(nfo, nfoBytes(1 << 20));
        writeSample(text, textBytes(10 << 20));
        // The program "runs" from the build folder, where the font files are.
        window = std::make_unique<TformMain>(
            StartupOptions { QStringLiteral(ORVANE_FONT_DIR "/orvane"), {}, &store });
        window->show();
    }

    QTemporaryDir dir;
    QString nfo = dir.filePath(QStringLiteral("art.nfo"));
    QString text = dir.filePath(QStringLiteral("prose.txt"));
    NullSettingsStore store;
    std::unique_ptr<TformMain> window;
};

// Made on first use and gone before the application, as the window must be.
std::unique_ptr<Fixture> theFixture;

Fixture &fixture()
{
    if (!theFixture)
        theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

void open(benchmark::State &state, const QString &path)
{
    TformMain &window = *fixture().window;
    for (auto _ : state) {
        if (!window.OpenFile(path, QString(), true))
            state.SkipWithError("open failed");
        QCoreApplication::processEvents();
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void save(benchmark::State &state, const QString &path)
{
    TformMain &window = *fixture().window;
    if (!window.OpenFile(path, QString(), true)) {
        state.SkipWithError("open failed");
        return;
    }
    for (auto _ : state) {
        if (!window.SaveDocument())
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void OpenNfo1MB(benchmark::State &state)
{
    open(state, fixture().nfo);
}
void OpenText10MB(benchmark::State &state)
{
    open(state, fixture().text);
}
void SaveNfo1MB(benchmark::State &state)
{
    save(state, fixture().nfo);
}
void SaveText10MB(benchmark::State &state)
{
    save(state, fixture().text);
}

// The largest files are written only when their benchmark runs. The
// memory check comes first, as in the program.
void OpenText200MB(benchmark::State &state)
{
    constexpr qint64 Size = 200LL << 20;
    const std::optional<qint64> free = AvailableMemoryBytes();
    if (free && MemoryToLoad(Size) > *free) {
        state.SkipWithError("not enough free memory for a 200 MB text");
        return;
    }
    const QString path = fixture().dir.filePath(QStringLiteral("huge.txt"));
    writeSample(path, textBytes(Size));
    open(state, path);
    QFile::remove(path);
}

} // namespace

BENCHMARK(OpenNfo1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenText10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveNfo1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveText10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenText200MB)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    return RunGuiBenchmarks(argc, argv, [] { theFixture.reset(); });
}
