#pragma once
// The main() of a benchmark that draws: fonts and painting need a GUI
// application, which runs offscreen unless a platform was chosen.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <functional>

namespace zelk::bench {

// Runs the registered benchmarks inside an application of type App, after
// `setUp` (what the benchmarks need installed once the application exists).
template <class App = QGuiApplication>
int runInApplication(int argc, char** argv, const std::function<void()>& setUp = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace zelk::bench
