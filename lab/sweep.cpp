#include "dispatch.h"
#include "exact_memo.h"
#include "exact_values.h"
#include "lab.h"
#include "passes.h"

#include <array>
#include <cmath>

namespace {

// The k-th of 1,001 evenly spaced values from `from` to -from, left to right in extended:
// from + (width k) / 1000.
long double SweepValue(long double from, long double width, std::int32_t k) {
    return from +
           (width * static_cast<long double>(k)) / static_cast<long double>(kLabSweepIntervals);
}

// worst = max(worst, |value - exact|), passing over a NaN as fmaxl does, but inline.
void KeepLarger(long double& worst, long double value, long double exact) {
    const long double e = fabsl(value - exact);
    if (e > worst) {
        worst = e;
    }
}

struct TSweepInput {
    long double theta = 0, x0 = 0, y0 = 0;
};

// Circular: theta_k = -pi + (2 pi k) / 1000 or the point (cos, sin) of it; hyperbolic:
// t_k = -1 + 2k / 1000 or the point (cosh, sinh) of it; linear: c_k = -1.5 + 3k / 1000, as the
// multiplier of the setup's (a, b) or the point (x0, c_k x0) of the setup's x0.
template <TLabSystem S, TLabMode M> TSweepInput SweepInput(const TLabSetup& setup, std::int32_t k) {
    constexpr bool kRotation = M == TLabMode::Rotation;
    if constexpr (S == TLabSystem::Circular) {
        const long double theta = SweepValue(-kLabPi, 2.0L * kLabPi, k);
        return kRotation ? TSweepInput{theta} : TSweepInput{0, cosl(theta), sinl(theta)};
    } else if constexpr (S == TLabSystem::Hyperbolic) {
        const long double t = SweepValue(-1.0L, 2.0L, k);
        return kRotation ? TSweepInput{t} : TSweepInput{0, coshl(t), sinhl(t)};
    } else {
        const long double c = SweepValue(-1.5L, 3.0L, k);
        return kRotation ? TSweepInput{c, setup.x0, setup.y0}
                         : TSweepInput{0, setup.x0, c * setup.x0};
    }
}

} // namespace

TExactMemo& TExactMemo::OfThisThread() {
    thread_local TExactMemo memo;
    return memo;
}

namespace {

// The exact values of the input `start` holds, from the memo's `entry` when it was computed for
// the same inputs.
template <TLabSystem S, TLabMode M, class A>
const TLabExactValues& ExactOf(TLabExact& exact, const A& a, const TLabStart<A>& start,
                               TExactMemo::TEntry& entry) {
    const long double theta = a.Value(start.theta);
    const long double x0 = a.Value(start.x0);
    const long double y0 = a.Value(start.y0);
    const auto same = [](long double u, long double v) {
        return u == v && std::signbit(u) == std::signbit(v);
    };
    if (!entry.known || !same(entry.theta, theta) || !same(entry.x0, x0) || !same(entry.y0, y0)) {
        entry = {true, theta, x0, y0, Expected<S, M>(exact, a, start)};
    }
    return entry.values;
}

template <TLabSystem S, TLabMode M, class A> TLabSweep SweepIn(const A& a, const TLabSetup& setup) {
    using TReg = typename A::TReg;
    TLabSweep worst{};
    std::array<bool, kLabMaxSteps> fits{};
    for (std::int32_t n = 1; n <= kLabMaxSteps; ++n) {
        fits[n - 1] = ConstantsFit<S>(a, n);
    }
    TLabExact exact;
    TExactMemo::TTable& known = TExactMemo::OfThisThread().Table(setup);
    for (std::int32_t k = 0; k <= kLabSweepIntervals; ++k) {
        const TSweepInput input = SweepInput<S, M>(setup, k);
        const TLabStart<A> start = LabStartOf<S, M>(a, input.theta, input.x0, input.y0);
        if (start.refusal != TLabRefusal::None) {
            continue;
        }
        // The exact values do not depend on n. e^t counts where the word holds it: a word
        // whose wrap would hide every other error does not.
        const TLabExactValues& expected =
            ExactOf<S, M>(exact, a, start, known[static_cast<std::size_t>(k)]);
        const bool third =
            S == TLabSystem::Hyperbolic && M == TLabMode::Rotation && a.Holds(expected.third);
        const auto keep = [&](std::int32_t n, const TLabResults<A>& results) {
            KeepLarger(worst[n - 1], a.OutValue(results.first), expected.first);
            // The linear second is x0 as held, its error 0.
            if constexpr (S != TLabSystem::Linear) {
                KeepLarger(worst[n - 1], a.OutValue(results.second), expected.second);
            }
            if (third) {
                KeepLarger(worst[n - 1], a.OutValue(results.third), expected.third);
            }
        };
        if constexpr (M == TLabMode::Vectoring || S == TLabSystem::Linear) {
            // The start does not depend on n: the run of n steps is the first n steps of the
            // run of 64, and one pass serves all n.
            Run<S, M>(a, start, kLabMaxSteps,
                      [&](std::int32_t i, std::int32_t, TReg x, TReg y, TReg z, bool wrapped) {
                          if (i >= 1 && fits[i - 1]) {
                              keep(i, Results<S, M>(a, start, i, x, y, z, wrapped));
                          }
                      });
        } else {
            // A run of n steps starts from (K_n, 0, z_0). Once K_n's factors round to 1, K_n and
            // K_{n+1} are the same register and the run of n + 1 steps continues the run of n:
            // one pass serves every n of a stretch of equal gains (in extended n = 34 .. 64, in
            // fixed point 16/14 n = 8 .. 64), each n's results taken from its state.
            for (std::int32_t n = 1; n <= kLabMaxSteps;) {
                std::int32_t last = n;
                while (last < kLabMaxSteps && a.Gain(last + 1) == a.Gain(n)) {
                    ++last;
                }
                Run<S, M>(a, start, last,
                          [&](std::int32_t i, std::int32_t, TReg x, TReg y, TReg z, bool wrapped) {
                              if (i >= n && fits[i - 1]) {
                                  keep(i, Results<S, M>(a, start, i, x, y, z, wrapped));
                              }
                          });
                n = last + 1;
            }
        }
    }
    for (long double& e : worst) {
        e /= a.Unit();
    }
    return worst;
}

} // namespace

TLabSweep LabSweep(const TLabSetup& setup) {
    if (!LabSetupValid(setup, false)) {
        return {};
    }
    return LabDispatch(setup, {1, kLabMaxSteps}, [&](const auto& a, auto system, auto mode) {
        return SweepIn<decltype(system)::value, decltype(mode)::value>(a, setup);
    });
}
