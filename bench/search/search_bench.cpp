// Searching a 10 MB, 200,000-line text, each beside the floor: one plain
// QString::indexOf pass counting the same pattern in the same text. Aim:
// within 3x of the floor. The status bar's caret-only refresh stays below
// 50 microseconds anywhere in the text (word wrap off).
#include "app/form01_main.h"
#include "guibenchmain.h"
#include "search/findsession.h"
#include "search/memosearchsource.h"
#include "search/textsearch.h"
#include "view/tmemopad.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

constexpr int Lines = 200000;

// Prose-like lines of 50 characters; every 1000th line holds "Needle", the
// middle line "Unique".
QString SampleText()
{
    QString text;
    text.reserve(Lines * 52);
    const QString plain = QStringLiteral("The quick brown fox jumps over the lazy dog again.");
    const QString marked = QStringLiteral("The quick brown fox jumps over the Needle dog now.");
    for (int i = 0; i < Lines; ++i) {
        if (i == Lines / 2)
            text += QStringLiteral("The quick brown fox jumps over the Unique dog now.");
        else
            text += i % 1000 == 999 ? marked : plain;
        text += QLatin1String("\r\n");
    }
    return text;
}

const QString &Text()
{
    static const QString text = SampleText();
    return text;
}

const QString pattern = QStringLiteral("needle");

int FloorCount(const QString &text, const QString &wanted)
{
    int count = 0;
    for (qsizetype at = text.indexOf(wanted); at >= 0;
         at = text.indexOf(wanted, at + wanted.size()))
        ++count;
    return count;
}

void Floor(benchmark::State &state)
{
    const QString &text = Text();
    for (auto _ : state)
        benchmark::DoNotOptimize(FloorCount(text, pattern));
}

void CountHits(benchmark::State &state)
{
    const QString &text = Text();
    for (auto _ : state)
        benchmark::DoNotOptimize(CountSearchHits(text, QStringLiteral("Needle"), false));
}

// The share of folding in the two above.
void FoldWholeText(benchmark::State &state)
{
    const QString &text = Text();
    for (auto _ : state)
        benchmark::DoNotOptimize(FoldCase(text));
}

void ReplaceAll(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QString text = Text();
        text.detach();
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            ReplaceAllText(text, QStringLiteral("Needle"), QStringLiteral("pin"), false));
    }
}

TformMain *window = nullptr;

// The editor window with the sample text, word wrap off.
TformMain &Window()
{
    if (!window) {
        window = new TformMain(StartupOptions { QStringLiteral("/tmp/orvane"), {}, nullptr });
        window->memo()->setText(Text());
    }
    return *window;
}

// Find Next from the last match: nothing below, so the loop pass starts
// again at the top and finds the first match; both passes cover the text.
void FindNextWraps(benchmark::State &state)
{
    TMemoPad &memo = *Window().memo();
    const MemoSearchSource source(memo);
    const int last = int(Text().lastIndexOf(QStringLiteral("Needle")));
    SearchRun run;
    run.viaCommand = true;
    run.loop = true;
    for (auto _ : state) {
        FindSession session;
        benchmark::DoNotOptimize(session.Run(source, QStringLiteral("Needle"), last, 6, run));
    }
}

// The worst case: the only match lies just above the caret, so the two
// passes read the whole text.
void FindNextWrapsAroundTheText(benchmark::State &state)
{
    TMemoPad &memo = *Window().memo();
    const MemoSearchSource source(memo);
    const int after = int(Text().indexOf(QStringLiteral("Unique"))) + 6;
    SearchRun run;
    run.viaCommand = true;
    run.loop = true;
    for (auto _ : state) {
        FindSession session;
        benchmark::DoNotOptimize(session.Run(source, QStringLiteral("unique"), after, 0, run));
    }
}

// Count search hits as the dialog runs it: the editor's text, then the count.
void CountHitsInEditor(benchmark::State &state)
{
    TMemoPad &memo = *Window().memo();
    for (auto _ : state)
        benchmark::DoNotOptimize(CountSearchHits(memo.text(), QStringLiteral("needle"), false));
}

// One keystroke of search while typing: from the current match, the next
// occurrence some hundred lines below the caret.
void TypingKeystroke(benchmark::State &state)
{
    TMemoPad &memo = *Window().memo();
    const MemoSearchSource source(memo);
    const int caret = int(Text().size() / 2);
    SearchRun run;
    run.skipSelection = false;
    for (auto _ : state) {
        FindSession session;
        benchmark::DoNotOptimize(session.Run(source, QStringLiteral("Needl"), caret, 0, run));
    }
}

void CaretStatusRefresh(benchmark::State &state)
{
    TformMain &window = Window();
    TMemoPad &memo = *window.memo();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, memo.TextLength());
    std::vector<int> places(1024);
    for (int &p : places)
        p = pick(random);
    size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int at = places[i++ % places.size()];
        memo.SetSel(at, at);
        state.ResumeTiming();
        window.UpdateStatusBar(true);
    }
}

} // namespace

BENCHMARK(Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(CountHits)->Unit(benchmark::kMillisecond);
BENCHMARK(FoldWholeText)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceAll)->Unit(benchmark::kMillisecond);
BENCHMARK(FindNextWraps)->Unit(benchmark::kMillisecond);
BENCHMARK(FindNextWrapsAroundTheText)->Unit(benchmark::kMillisecond);
BENCHMARK(CountHitsInEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(TypingKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(CaretStatusRefresh)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return RunGuiBenchmarks(argc, argv, [] { delete window; });
}
