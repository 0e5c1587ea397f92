// Interactive steps on a 10 MB text with word wrap on, in a window of a
// usual size: each must stay below 50 ms, however far down the caret is.
// Short lines (code, NFO art) fit the width; prose lines wrap several times.
// The second argument picks the font: 0 the default text face, whose ASCII
// lines are counted by arithmetic, 1 a face with glyphs reaching past their
// advance, whose wrapped lines are laid out.
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
std::unique_ptr<TMemoPad> wrappedEditor(const benchmark::State &state)
{
    const int lineLength = int(state.range(0));
    auto pad = std::make_unique<TMemoPad>();
    QFont font(state.range(1) == 0 ? QStringLiteral("Liberation Mono")
                                   : QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(16);
    pad->setFont(font);
    // Eight columns, as the window sets them for text.
    pad->SetTabStops(32);
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
    auto pad = wrappedEditor(state);
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
        auto pad = wrappedEditor(state);
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
        auto pad = wrappedEditor(state);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pad->LineCount());
        state.PauseTiming();
        pad.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(SwitchWrapOn)
    ->ArgsProduct({ { 60, 300 }, { 0, 1 } })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(CaretToEndLine)
    ->ArgsProduct({ { 60, 300 }, { 0, 1 } })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(CountAllLines)
    ->ArgsProduct({ { 60, 300 }, { 0, 1 } })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

namespace {

// The window's width changed by a pixel: every line is counted again, from
// what the first count kept about each line's text.
void RecountAfterResize(benchmark::State &state)
{
    auto pad = wrappedEditor(state);
    int width = 900;
    for (auto _ : state) {
        state.PauseTiming();
        width = width == 900 ? 901 : 900;
        pad->resize(width, 700);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pad->LineCount());
    }
}
BENCHMARK(RecountAfterResize)
    ->ArgsProduct({ { 60, 300 }, { 0, 1 } })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    return RunGuiBenchmarks(argc, argv);
}
