#include "angle_input.h"
#include "cordic.h"
#include "recording_window.h"
#include "run.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The rotation with a notification that does nothing: the cost of the algorithm alone.
void BM_CordicRotate(benchmark::State& state) {
    long double theta = 0.52359877559829885263L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(theta);
        benchmark::DoNotOptimize(CordicRotate(theta, [](const TCordicStep&) {}));
    }
}
BENCHMARK(BM_CordicRotate);

// The library calls the rotation cannot avoid, with the same arguments: 54 powl and 54 sqrtl
// for the gain, 54 powl and 54 atanl for the steps. BM_CordicRotate is measured against this.
void BM_BareArithmetic(benchmark::State& state) {
    for (auto _ : state) {
        for (long double k = 0; k < kCordicSteps; ++k) {
            long double p = powl(2.0L, -2.0L * k);
            benchmark::DoNotOptimize(p);
            long double s = sqrtl(p + 1.0L);
            benchmark::DoNotOptimize(s);
        }
        for (long double i = 0; i < kCordicSteps; ++i) {
            long double t = powl(2.0L, -i);
            benchmark::DoNotOptimize(t);
            long double a = atanl(t);
            benchmark::DoNotOptimize(a);
        }
    }
}
BENCHMARK(BM_BareArithmetic);

void BM_ParseAngle(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseAngle("30", kUnitDegrees));
        benchmark::DoNotOptimize(ParseAngle("-1,2345678901234567", kUnitRadians));
    }
}
BENCHMARK(BM_ParseAngle);

// A whole run at slider 0 apart from the window's own work: parsing, rotation, 108 trace lines
// and the four results.
void BM_RunAtSliderZero(benchmark::State& state) {
    TRecordingWindow window; // answers "30" in degrees at slider 0
    window.recordLog = false;
    window.keepLines = false;
    for (auto _ : state) {
        RunComputation(window);
    }
}
BENCHMARK(BM_RunAtSliderZero);

} // namespace

BENCHMARK_MAIN();
