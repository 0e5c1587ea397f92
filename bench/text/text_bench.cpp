// Loading (detection, repair, decoding, line breaks) and saving a 1 MB NFO
// and a 10 MB text file.
#include "samples.h"
#include "text/detection.h"
#include "text/textload.h"
#include "text/textsave.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Files
{
    Files()
    {
        writeSample(nfo, nfoBytes(1 << 20, "\r\n"));
        writeSample(damagedNfo, nfoBytes(1 << 20, "\r\r\n"));
        writeSample(text, textBytes(10 << 20));
    }

    QTemporaryDir dir;
    QString nfo = dir.filePath(QStringLiteral("art.nfo"));
    QString damagedNfo = dir.filePath(QStringLiteral("damaged.nfo"));
    QString text = dir.filePath(QStringLiteral("prose.txt"));
    QString out = dir.filePath(QStringLiteral("out"));
    TempCopyLocation copies { { dir.path() } };
};

Files &files()
{
    static Files f;
    return f;
}

void load(benchmark::State &state, const QString &path, bool nfo)
{
    LoadRequest request;
    request.path = path;
    request.westernLatinForNfo = nfo;
    for (auto _ : state) {
        LoadResult r = LoadTextFile(request, files().copies);
        if (!r.ok)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(r.text.data());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void save(benchmark::State &state, const QString &path, Encoding encoding)
{
    LoadRequest request;
    request.path = path;
    const LoadResult loaded = LoadTextFile(request, files().copies);
    const SaveRequest saveRequest { files().out, encoding, *loaded.loadEncoding, false, {} };
    for (auto _ : state) {
        const SaveResult r = SaveTextFile(
            saveRequest, loaded.text, [](Encoding) { return UnicodeWarningAnswer::SaveAnyway; });
        if (r.outcome != SaveOutcome::Written)
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void LoadNfo1MB(benchmark::State &state)
{
    load(state, files().nfo, true);
}
void LoadDamagedNfo1MB(benchmark::State &state)
{
    load(state, files().damagedNfo, true);
}
void LoadText10MB(benchmark::State &state)
{
    load(state, files().text, false);
}
void SaveNfo1MB(benchmark::State &state)
{
    save(state, files().nfo, Encoding::WesternLatin);
}
void SaveText10MB(benchmark::State &state)
{
    save(state, files().text, Encoding::Utf8);
}

} // namespace

BENCHMARK(LoadNfo1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadDamagedNfo1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadText10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveNfo1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveText10MB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
