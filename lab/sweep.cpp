#include "exact_values.h"
#include "fixed_format.h"
#include "float_format.h"
#include "lab.h"
#include "passes.h"

#include <cmath>

namespace {

constexpr std::int32_t kSweepIntervals = 1000; // 1,001 inputs, both ends included

// theta_k = -pi + (2 pi k) / 1000, left to right in extended.
long double SweepAngle(std::int32_t k) {
    return -kLabPi + ((2.0L * kLabPi) * static_cast<long double>(k)) /
                         static_cast<long double>(kSweepIntervals);
}

template <class A>
void Keep(const A& a, const TPair<A>& result, const TLabExactPair& exact, long double& worst) {
    const long double first = fabsl(a.Value(result.first) - exact.first);
    const long double second = fabsl(a.Value(result.second) - exact.second);
    worst = fmaxl(worst, fmaxl(first, second));
}

template <class A> TLabSweep SweepIn(const A& a, TLabMode mode) {
    TLabSweep worst{};
    TLabExact exact;
    const auto ignore = [](std::int32_t, std::int32_t, typename A::TReg, typename A::TReg,
                           typename A::TReg, bool) {};
    for (std::int32_t k = 0; k <= kSweepIntervals; ++k) {
        const long double theta = SweepAngle(k);
        if (mode == TLabMode::Rotation) {
            const TRotationStart<A> start = StartRotation(a, theta);
            if (start.refusal != TLabRefusal::None) {
                continue;
            }
            const TLabExactPair expected = exact.CosSin(a.Value(start.theta));
            for (std::int32_t n = 1; n <= kLabMaxSteps; ++n) {
                Keep(a, Rotate(a, start, n, ignore), expected, worst[n - 1]);
            }
        } else {
            const TVectoringStart<A> start = StartVectoring(a, cosl(theta), sinl(theta));
            if (start.refusal != TLabRefusal::None) {
                continue;
            }
            const TLabExactPair expected = exact.AngleLength(a.Value(start.x0), a.Value(start.y0));
            // The run of n steps is the first n steps of the run of 64: one pass serves all n.
            auto x = start.x;
            auto y = start.y;
            auto z = start.z;
            for (std::int32_t n = 1; n <= kLabMaxSteps; ++n) {
                a.Turn(x, y, z, VectoringSigma(y), n - 1);
                bool wrapped = false;
                const TPair<A> result{z, a.Product(x, a.Gain(n), wrapped)};
                Keep(a, result, expected, worst[n - 1]);
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
    switch (setup.arithmetic) {
    case TLabArithmetic::Extended:
        return SweepIn(TFloatArithmetic<long double>(), setup.mode);
    case TLabArithmetic::Double:
        return SweepIn(TFloatArithmetic<double>(), setup.mode);
    case TLabArithmetic::Single:
        return SweepIn(TFloatArithmetic<float>(), setup.mode);
    case TLabArithmetic::Fixed:
        return SweepIn(TFixedArithmetic(setup.wordBits, setup.fractionBits), setup.mode);
    }
    return {};
}
