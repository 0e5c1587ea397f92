// A zoom step and one character typed in overwrite mode, end to end in the
// main window over a 10 MB NFO text: each must stay under 100 ms.
#include "app/form01_main.h"
#include "guibenchmain.h"
#include "samples.h"
#include "settings/settingsstore.h"
#include "text/encodings.h"
#include "view/tmemopad.h"

#include <QKeyEvent>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

NullSettingsStore store;
std::unique_ptr<TformMain> window;

TformMain &Window(bool wrap)
{
    if (!window) {
        window = std::make_unique<TformMain>(
            StartupOptions { QStringLiteral(ORVANE_OUTPUT_DIR "/orvane"), {}, &store });
        window->resize(800, 600);
        window->show();
        window->memo()->setText(QString::fromLatin1(nfoBytes(10 * 1024 * 1024)));
    }
    if (window->memo()->WordWrap() != wrap)
        window->Wordwrap1Click();
    QCoreApplication::processEvents();
    return *window;
}

void ZoomOneStep(benchmark::State &state)
{
    TformMain &main = Window(state.range(0) != 0);
    main.memo()->SetSel(5000000, 5000000);
    bool in = true;
    for (auto _ : state) {
        main.ChangeZoom(in ? ZoomStep::In : ZoomStep::Out);
        main.memo()->viewport()->repaint();
        in = !in;
    }
    main.ChangeZoom(ZoomStep::Reset);
}
BENCHMARK(ZoomOneStep)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void OverwriteAtTheEnd(benchmark::State &state)
{
    TformMain &main = Window(false);
    TMemoPad *memo = main.memo();
    if (!main.overwriteMode()) {
        QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
        QApplication::sendEvent(memo, &insert);
    }
    memo->SetSel(memo->TextLength(), memo->TextLength());
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(memo, &key);
        memo->viewport()->repaint();
    }
}
BENCHMARK(OverwriteAtTheEnd)->Unit(benchmark::kMillisecond);

void OverwriteInTheMiddle(benchmark::State &state)
{
    TformMain &main = Window(false);
    TMemoPad *memo = main.memo();
    if (!main.overwriteMode()) {
        QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
        QApplication::sendEvent(memo, &insert);
    }
    memo->SetSel(5000001, 5000001);
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(memo, &key);
        memo->viewport()->repaint();
    }
}
BENCHMARK(OverwriteInTheMiddle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return RunGuiBenchmarks(argc, argv, [] { window.reset(); });
}
