#include "cordic.h"

#include <benchmark/benchmark.h>

static void BM_CordicRotate(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CordicRotate(0.5L, [](const TCordicStep&) {}));
    }
}
BENCHMARK(BM_CordicRotate);
