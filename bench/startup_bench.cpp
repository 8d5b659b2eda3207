#include "calculator_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

// Building the main window, start-up included, as the program does before its first paint.
void windowStartUp(benchmark::State& state) {
    for (auto _ : state) {
        hourvault::CalculatorWindow window;
        benchmark::DoNotOptimize(&window);
    }
    // The process's peak resident memory: what the pictures and the icon read at start-up cost.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(windowStartUp)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
