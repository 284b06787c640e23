// The laboratory's engine: a sweep (64 step counts x 1,001 inputs, the exact values once per
// input) in each arithmetic, and one run of 64 steps with its states and exact values.
#include "lab.h"

#include <benchmark/benchmark.h>

namespace {

TLabSetup Setup(TLabArithmetic arithmetic, TLabMode mode, std::int32_t wordBits = 16,
                std::int32_t fractionBits = 14) {
    TLabSetup setup;
    setup.arithmetic = arithmetic;
    setup.mode = mode;
    setup.wordBits = wordBits;
    setup.fractionBits = fractionBits;
    setup.steps = 64;
    setup.theta = 0.52359877559829887308L; // 30 degrees
    setup.x0 = -3;
    setup.y0 = -4;
    return setup;
}

void BM_Sweep(benchmark::State& state, TLabSetup setup) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LabSweep(setup));
    }
}

void BM_Run(benchmark::State& state, TLabSetup setup) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LabRun(setup));
    }
}

using enum TLabArithmetic;
constexpr TLabMode kRot = TLabMode::Rotation;
constexpr TLabMode kVec = TLabMode::Vectoring;

BENCHMARK_CAPTURE(BM_Sweep, RotationExtended, Setup(Extended, kRot))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, RotationDouble, Setup(Double, kRot))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, RotationSingle, Setup(Single, kRot))->Unit(benchmark::kMillisecond);
// 16/14 keeps the 501 angles within +-pi/2; 32/29 has room for pi and takes all 1,001.
BENCHMARK_CAPTURE(BM_Sweep, RotationFixed16_14, Setup(Fixed, kRot))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, RotationFixed32_29, Setup(Fixed, kRot, 32, 29))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, VectoringExtended, Setup(Extended, kVec))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, VectoringFixed32_29, Setup(Fixed, kVec, 32, 29))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_Run, RotationExtended64, Setup(Extended, kRot))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Run, RotationFixed64, Setup(Fixed, kRot, 32, 29))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Run, VectoringExtended64, Setup(Extended, kVec))
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
