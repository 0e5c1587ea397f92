// Position conversions on a 10 MB, 200,000-line text: each must stay far
// below 10 microseconds, whatever the position. Setting and reading a text
// full of stand-ins must grow in step with their number.
#include "guibenchmain.h"
#include "view/programtext.h"
#include "view/tmemopad.h"

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

constexpr int Lines = 200000;
constexpr int LineLength = 50; // plus CR LF: 10.4 MB of text

TMemoPad &editor()
{
    static TMemoPad *pad = [] {
        auto *p = new TMemoPad;
        QString text;
        text.reserve(Lines * (LineLength + 2));
        const QString line(LineLength, QLatin1Char('n'));
        for (int i = 0; i < Lines; ++i)
            text += line + QLatin1String("\r\n");
        p->setText(text);
        return p;
    }();
    return *pad;
}

std::vector<int> spreadOver(int limit)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> pick(0, limit);
    std::vector<int> values(4096);
    for (int &v : values)
        v = pick(random);
    return values;
}

void ProgramToDocument(benchmark::State &state)
{
    const TMemoPad &pad = editor();
    const std::vector<int> indexes = spreadOver(pad.TextLength());
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pad.ToPosition(indexes[i++ % indexes.size()]));
}

void DocumentToProgram(benchmark::State &state)
{
    const TMemoPad &pad = editor();
    const std::vector<int> positions = spreadOver(pad.document()->characterCount() - 1);
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pad.ToIndex(positions[i++ % positions.size()]));
}

void LineFromChar(benchmark::State &state)
{
    const TMemoPad &pad = editor();
    const std::vector<int> indexes = spreadOver(pad.TextLength());
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pad.LineFromCharIndex(indexes[i++ % indexes.size()]));
}

void LineIndex(benchmark::State &state)
{
    const TMemoPad &pad = editor();
    const std::vector<int> lines = spreadOver(Lines);
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pad.LineIndex(lines[i++ % lines.size()]));
}

// A text whose lines end in line separators: every one becomes a marked
// stand-in, all of them in one block of the editor.
void SetAndReadMarkedText(benchmark::State &state)
{
    const QString text
        = QStringLiteral("twenty-four characters \u2028").repeated(int(state.range(0)));
    TMemoPad pad;
    for (auto _ : state) {
        pad.setText(text);
        benchmark::DoNotOptimize(pad.text());
    }
}

BENCHMARK(ProgramToDocument);
BENCHMARK(DocumentToProgram);
BENCHMARK(LineFromChar);
BENCHMARK(LineIndex);
BENCHMARK(SetAndReadMarkedText)->Arg(1000)->Arg(8000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return RunGuiBenchmarks(argc, argv);
}
