// FindLinkAt on 500-character lines full of near misses in a 10 MB text:
// every mouse movement runs it, so it must stay in the microseconds.
// Without word wrap a 500-character line stays one line of the editor.
#include "fakelinkview.h"
#include "guibenchmain.h"
#include "links/linkfinder.h"
#include "links/memolinkview.h"
#include "view/tmemopad.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

constexpr int Lines = 20000;
constexpr int LineLength = 500;

// Dots, slashes, colons and at signs that almost make an address.
QString nearMissLine()
{
    const QString pattern = QStringLiteral("ww.a:/b@c/d.e:/f//:x@y.");
    QString line;
    while (line.size() < LineLength)
        line += pattern;
    line.truncate(LineLength);
    return line;
}

// No delimiter of either kind: the scans run to their step limits.
QString longRunLine()
{
    const QString pattern = QStringLiteral("a.b@c.w");
    QString line;
    while (line.size() < LineLength)
        line += pattern;
    line.truncate(LineLength);
    return line;
}

const FakeLinkView &document(const QString &line)
{
    static std::map<QString, std::unique_ptr<FakeLinkView>> views;
    std::unique_ptr<FakeLinkView> &view = views[line];
    if (!view) {
        QString text;
        text.reserve(qsizetype(Lines) * (LineLength + 2));
        for (int i = 0; i < Lines; ++i)
            text += line + QLatin1String("\r\n");
        view = std::make_unique<FakeLinkView>(text);
    }
    return *view;
}

void runAt(benchmark::State &state, const QString &line)
{
    const FakeLinkView &view = document(line);
    LinkFinder finder;
    const QPoint point = FakeLinkView::Middle(Lines / 2, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.FindLinkAt(view, point.x(), point.y(), true, true, true));
}

void FindLinkAtNearMisses(benchmark::State &state)
{
    runAt(state, nearMissLine());
}

void FindLinkAtLongRun(benchmark::State &state)
{
    runAt(state, longRunLine());
}

// The same near misses in the real editor, scrolled to the middle: the cost
// of a mouse movement including the editor's own position lookups.
TMemoPad &nearMissEditor()
{
    static TMemoPad *pad = [] {
        auto *p = new TMemoPad;
        p->resize(1200, 800);
        p->show();
        QString text;
        const QString line = nearMissLine();
        text.reserve(qsizetype(Lines) * (LineLength + 2));
        for (int i = 0; i < Lines; ++i)
            text += line + QLatin1String("\r\n");
        p->setText(text);
        p->LineScroll(0, Lines / 2);
        QApplication::processEvents();
        return p;
    }();
    return *pad;
}

void FindLinkAtInEditor(benchmark::State &state)
{
    const TMemoPad &pad = nearMissEditor();
    const MemoLinkView view(pad);
    const int index = pad.LineIndex(pad.FirstVisibleLine() + 2) + int(state.range(0));
    const QPoint left = *pad.PosFromChar(index);
    const QPoint point(
        left.x() + pad.AverageCharWidth() / 2, left.y() + pad.fontMetrics().height() / 2);
    const std::optional<LinkTextView::PointChar> hit
        = view.CharFromPoint(point.x() - (pad.AverageCharWidth() + 1) / 2, point.y());
    if (!hit || hit->index != index) {
        state.SkipWithError("the point misses the character");
        return;
    }
    LinkFinder finder;
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.FindLinkAt(view, point.x(), point.y(), true, true, true));
}

BENCHMARK(FindLinkAtNearMisses)->Arg(0)->Arg(250)->Arg(499)->Unit(benchmark::kMicrosecond);
BENCHMARK(FindLinkAtLongRun)->Arg(0)->Arg(250)->Arg(499)->Unit(benchmark::kMicrosecond);
// Columns that lie inside the window's width.
BENCHMARK(FindLinkAtInEditor)->Arg(0)->Arg(60)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return RunGuiBenchmarks(argc, argv);
}
