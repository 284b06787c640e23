// The laboratory's engine: a sweep (64 step counts x 1,001 inputs, the exact values once per
// input) in each arithmetic and system, repeated (BM_Sweep: its exact values kept from the sweep
// before, exact_memo.h) and from a cold start (BM_SweepCold, and BM_SweepBeside beside a sweep of
// the same setup written out by hand, lab_bare_sweeps.h, which computes its exact values every
// time), and one run of 64 steps with its states and exact values.
#include "exact_memo.h"
#include "lab.h"
#include "lab_bare_sweeps.h"

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

TLabSetup In(TLabSetup setup, TLabSystem system, TLabRounding rounding = TLabRounding::Floor,
             std::int32_t guardBits = 0) {
    setup.system = system;
    setup.rounding = rounding;
    setup.guardBits = guardBits;
    return setup;
}

void BM_Sweep(benchmark::State& state, TLabSetup setup) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LabSweep(setup));
    }
}

void BM_SweepCold(benchmark::State& state, TLabSetup setup) {
    for (auto _ : state) {
        TExactMemo::OfThisThread().Clear();
        benchmark::DoNotOptimize(LabSweep(setup));
    }
}

// The engine's sweep of `setup` from a cold start against the bare one, which must give the same
// errors.
void BM_SweepBeside(benchmark::State& state, TLabSetup setup, TLabSweep (*bare)()) {
    if (LabSweep(setup) != bare()) {
        state.SkipWithError("the bare sweep's errors differ from the engine's");
        return;
    }
    BM_SweepCold(state, setup);
}

void BM_Bare(benchmark::State& state, TLabSweep (*bare)()) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(bare());
    }
}

void BM_Run(benchmark::State& state, TLabSetup setup) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LabRun(setup));
    }
}

using enum TLabArithmetic;
using enum TLabSystem;
constexpr TLabMode kRot = TLabMode::Rotation;
constexpr TLabMode kVec = TLabMode::Vectoring;
constexpr auto kMs = benchmark::kMillisecond;

BENCHMARK_CAPTURE(BM_Sweep, RotationExtended, Setup(Extended, kRot))->Unit(kMs);
BENCHMARK_CAPTURE(BM_Sweep, RotationDouble, Setup(Double, kRot))->Unit(kMs);
BENCHMARK_CAPTURE(BM_Sweep, RotationSingle, Setup(Single, kRot))->Unit(kMs);
// 16/14 keeps the 501 angles within +-pi/2; 32/29 has room for pi and takes all 1,001.
BENCHMARK_CAPTURE(BM_Sweep, RotationFixed16_14, Setup(Fixed, kRot))->Unit(kMs);
BENCHMARK_CAPTURE(BM_Sweep, RotationFixed32_29, Setup(Fixed, kRot, 32, 29))->Unit(kMs);
BENCHMARK_CAPTURE(BM_Sweep, VectoringExtended, Setup(Extended, kVec))->Unit(kMs);
BENCHMARK_CAPTURE(BM_Sweep, VectoringFixed32_29, Setup(Fixed, kVec, 32, 29))->Unit(kMs);
BENCHMARK_CAPTURE(BM_SweepCold, RotationExtended, Setup(Extended, kRot))->Unit(kMs);
BENCHMARK_CAPTURE(BM_SweepCold, RotationFixed16_14, Setup(Fixed, kRot))->Unit(kMs);
BENCHMARK_CAPTURE(BM_SweepCold, VectoringExtended, Setup(Extended, kVec))->Unit(kMs);
// A 64-bit internal word takes the 128-bit sums.
BENCHMARK_CAPTURE(BM_Sweep, HyperbolicRotationFixed48_45Guard16,
                  In(Setup(Fixed, kRot, 48, 45), Hyperbolic, TLabRounding::HalfEven, 16))
    ->Unit(kMs);

TLabSweep BareLinearVectoringDoubleOf125() {
    return BareLinearVectoringDouble(1.25L);
}
TLabSetup LinearVectoringDouble() {
    TLabSetup setup = In(Setup(Double, kVec), Linear);
    setup.x0 = 1.25L;
    return setup;
}

BENCHMARK_CAPTURE(BM_SweepBeside, HyperbolicRotationExtended, In(Setup(Extended, kRot), Hyperbolic),
                  BareHyperbolicRotationExtended)
    ->Unit(kMs);
BENCHMARK_CAPTURE(BM_Bare, HyperbolicRotationExtended, BareHyperbolicRotationExtended)->Unit(kMs);
BENCHMARK_CAPTURE(BM_SweepBeside, HyperbolicRotationFixed16_14HalfEvenGuard4,
                  In(Setup(Fixed, kRot), Hyperbolic, TLabRounding::HalfEven, 4),
                  BareHyperbolicRotationFixed16_14HalfEvenGuard4)
    ->Unit(kMs);
BENCHMARK_CAPTURE(BM_Bare, HyperbolicRotationFixed16_14HalfEvenGuard4,
                  BareHyperbolicRotationFixed16_14HalfEvenGuard4)
    ->Unit(kMs);
BENCHMARK_CAPTURE(BM_SweepBeside, LinearVectoringDouble, LinearVectoringDouble(),
                  BareLinearVectoringDoubleOf125)
    ->Unit(kMs);
BENCHMARK_CAPTURE(BM_Bare, LinearVectoringDouble, BareLinearVectoringDoubleOf125)->Unit(kMs);
BENCHMARK_CAPTURE(BM_SweepBeside, CircularRotationFixed16_14HalfUpGuard4,
                  In(Setup(Fixed, kRot), Circular, TLabRounding::HalfUp, 4),
                  BareCircularRotationFixed16_14HalfUpGuard4)
    ->Unit(kMs);
BENCHMARK_CAPTURE(BM_Bare, CircularRotationFixed16_14HalfUpGuard4,
                  BareCircularRotationFixed16_14HalfUpGuard4)
    ->Unit(kMs);

BENCHMARK_CAPTURE(BM_Run, RotationExtended64, Setup(Extended, kRot))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Run, RotationFixed64, Setup(Fixed, kRot, 32, 29))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Run, VectoringExtended64, Setup(Extended, kVec))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Run, HyperbolicRotationFixed64,
                  In(Setup(Fixed, kRot), Hyperbolic, TLabRounding::HalfEven, 4))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Run, HyperbolicVectoringExtended64,
                  [] {
                      TLabSetup setup = In(Setup(Extended, kVec), Hyperbolic);
                      setup.x0 = 3;
                      setup.y0 = 1;
                      return setup;
                  }())
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
