// Sorting and prefixing 200,000 lines of a 10 MB text end to end in the main
// window (reading the lines, the rule, the one undoable replacement and the
// view kept in place), beside the editor's own replacement of the same block
// with the finished text, which is the floor. Each must stay well under a second.
// The window sorts in the system's locale: run with LC_ALL=en_US.UTF-8 (or
// another) for a locale whose order comes from sort keys.
#include "app/form01_main.h"
#include "edit/linecommands.h"
#include "edit/prefixes.h"
#include "guibenchmain.h"
#include "view/tmemopad.h"

#include <QAction>

#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

constexpr int Lines = 200000;
constexpr int LineLength = 50; // plus CR LF: 10.4 MB of text

// Lines of mixed-case words in random order, so the sort has work to do.
QString SampleText()
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter(0, 51);
    QString text;
    text.reserve(Lines * (LineLength + 2));
    for (int i = 0; i < Lines; ++i) {
        if (i > 0)
            text += QStringLiteral("\r\n");
        for (int c = 0; c < LineLength; ++c) {
            const int l = letter(random);
            text += c % 8 == 7 ? QChar(u' ') : QChar(l < 26 ? u'a' + l : u'A' + l - 26);
        }
    }
    return text;
}

struct Fixture
{
    Fixture()
    {
        window = std::make_unique<TformMain>(
            StartupOptions { QStringLiteral(ORVANE_FONT_DIR "/orvane"), {}, &store });
        window->show();
        window->activateWindow();
        window->memo()->setFocus();
        QCoreApplication::processEvents();
    }

    TMemoPad &memo() { return *window->memo(); }

    // The text, all of it selected, and the undo history emptied, outside the timing.
    void Reset(benchmark::State &state, const QString &withText)
    {
        state.PauseTiming();
        memo().setText(withText);
        memo().SetSel(0, -1);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }

    NullSettingsStore store;
    std::unique_ptr<TformMain> window;
    const QString text = SampleText();
};

std::unique_ptr<Fixture> theFixture;

Fixture &fixture()
{
    if (!theFixture)
        theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

void SortInWindow(benchmark::State &state)
{
    Fixture &f = fixture();
    QAction *sort = f.window->findChild<QAction *>(QStringLiteral("SortselectedlinesAZ1"));
    for (auto _ : state) {
        f.Reset(state, f.text);
        sort->trigger();
        state.PauseTiming();
        if (f.memo().TextRange(0, LineLength) == f.text.left(LineLength))
            state.SkipWithError("nothing was sorted");
        state.ResumeTiming();
    }
}

void AddPrefixInWindow(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        f.Reset(state, f.text);
        f.window->AddRemovePrefix(QStringLiteral("// "), true);
    }
}

void RemovePrefixInWindow(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString prefixed = QStringLiteral("// ")
        + QString(f.text).replace(QStringLiteral("\r\n"), QStringLiteral("\r\n// "));
    for (auto _ : state) {
        f.Reset(state, prefixed);
        f.window->AddRemovePrefix(QStringLiteral("// "), false);
    }
}

// The floor: the editor replacing the same block with the finished text.
void EditorReplaceSameBlock(benchmark::State &state)
{
    Fixture &f = fixture();
    const StringEditSource source(f.text);
    const QString replacement
        = AddRemovePrefix({ source, 0, int(f.text.size()) }, QStringLiteral("// "), true)
              ->edit.text;
    for (auto _ : state) {
        f.Reset(state, f.text);
        f.memo().ReplaceSelection(replacement, true);
    }
}

// The rules alone, on a text held whole.
// Argument 0: the C locale; 1: US English, whose order comes from sort keys.
void SortRule(benchmark::State &state)
{
    const StringEditSource source(fixture().text);
    const QLocale locale
        = state.range(0) == 0 ? QLocale::c() : QLocale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state)
        benchmark::DoNotOptimize(SortLines({ source, 0, source.TextLength() }, true, locale));
}

void PrefixRule(benchmark::State &state)
{
    const StringEditSource source(fixture().text);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            AddRemovePrefix({ source, 0, source.TextLength() }, QStringLiteral("// "), true));
}

} // namespace

BENCHMARK(SortInWindow)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(AddPrefixInWindow)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(RemovePrefixInWindow)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(EditorReplaceSameBlock)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SortRule)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PrefixRule)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    return RunGuiBenchmarks(argc, argv, [] { theFixture.reset(); });
}
