#include "recording_time.h"

#include <benchmark/benchmark.h>

namespace {

// The worked example: every lookup succeeds, so this is the full cost of one Calculate.
void recordingTime(benchmark::State& state) {
    const std::array<hourvault::ListReading, 6> lists{{
        {15, "16"},
        {0, "360 x 240 (CIF)"},
        {3, "Q4 (8KB)"},
        {3, "7"},
        {1, "8 kHz Audio (8KB/sec)"},
        {1, "500 GB"},
    }};
    for (auto _ : state) {
        benchmark::DoNotOptimize(hourvault::calculateRecordingTime(lists, "."));
    }
}
BENCHMARK(recordingTime);

} // namespace
