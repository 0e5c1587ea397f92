#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>
#include <functional>

// Runs the registered benchmarks with widgets on the offscreen platform;
// cleanup runs while the application still exists, for fixtures owning windows.
inline int RunGuiBenchmarks(int argc, char **argv, const std::function<void()> &cleanup = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (cleanup)
        cleanup();
    return 0;
}
