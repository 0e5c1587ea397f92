// Interactive steps on a 10 MB text with word wrap on, in a window of a
// usual size: each must stay below 50 ms, however far down the caret is.
// Short lines (code, NFO art) fit the width; prose lines wrap several times.
#include "guibenchmain.h"
#include "view/tmemopad.h"

#include <QFont>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

constexpr int TextChars = 10 * 1024 * 1024;

QString textOf(int lineLength)
{
    const QString words = QStringLiteral("lorem ipsum\tdolor sit amet, consectetur adipiscing ");
    QString line;
    while (line.size() < lineLength)
        line += words;
    line.truncate(lineLength);
    line += QLatin1String("\r\n");
    return line.repeated(TextChars / int(line.size()));
}

// A shown editor, wrapping, with the text of lines of the given length.
std::unique_ptr<TMemoPad> wrappedEditor(int lineLength)
{
    auto pad = std::make_unique<TMemoPad>();
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(16);
    pad->setFont(font);
    pad->resize(900, 700);
    pad->show();
    pad->setText(textOf(lineLength));
    pad->SetWordWrap(true);
    return pad;
}

// Word wrap switched on, then the numbers a status bar and the scroll
// position keeper ask for.
void SwitchWrapOn(benchmark::State &state)
{
    auto pad = wrappedEditor(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        pad->SetWordWrap(false);
        state.ResumeTiming();
        pad->SetWordWrap(true);
        benchmark::DoNotOptimize(pad->FirstVisibleLine());
        benchmark::DoNotOptimize(pad->LineFromCharIndex(pad->Caret()));
    }
}

// Ctrl+End and the caret's line; the counts made are kept, so later
// steps are cheap: the first one is the one that matters.
void CaretToEndLine(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto pad = wrappedEditor(int(state.range(0)));
        state.ResumeTiming();
        pad->moveCursor(QTextCursor::End);
        benchmark::DoNotOptimize(pad->LineFromCharIndex(pad->Caret()));
        state.PauseTiming();
        pad.reset();
        state.ResumeTiming();
    }
}

// All wrapped lines counted from nothing, as the idle counting does it.
void CountAllLines(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto pad = wrappedEditor(int(state.range(0)));
        state.ResumeTiming();
        benchmark::DoNotOptimize(pad->LineCount());
        state.PauseTiming();
        pad.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(SwitchWrapOn)->Arg(60)->Arg(300)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(CaretToEndLine)->Arg(60)->Arg(300)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CountAllLines)->Arg(60)->Arg(300)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunGuiBenchmarks(argc, argv);
}
