#include "calculator_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// Building the main window, start-up included, as the program does before its first paint.
void windowStartUp(benchmark::State& state) {
    for (auto _ : state) {
        hourvault::CalculatorWindow window;
        benchmark::DoNotOptimize(&window);
    }
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
