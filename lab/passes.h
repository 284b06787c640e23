#pragma once

// The passes of the laboratory's CORDIC, written once for every coordinate system S and every
// arithmetic A (TFloatArithmetic<T>, TFixedArithmetic<TSum>): how the inputs are brought into
// the format, checked and folded (LabStartOf), whether the constants fit (ConstantsFit), the n
// steps (Run), the results they give (Results), and the exact values to measure them against
// (Expected). LabRun records every state; LabSweep passes a recorder that keeps only the errors.

#include "constants.h"
#include "exact_values.h"
#include "lab.h"

#include <cmath>
#include <cstdint>

// The largest |argument| of linear and hyperbolic rotation.
inline constexpr long double kLabLargestArgument = 4.0L;

// The system's coordinate m of the unified iteration x' = x - m sigma 2^-s y.
template <TLabSystem S>
inline constexpr std::int32_t kLabCoordinate = S == TLabSystem::Circular ? 1
                                               : S == TLabSystem::Linear ? 0
                                                                         : -1;

// The setup names a system, mode and arithmetic, and its numbers lie within their ranges
// (the steps only where checkSteps; a sweep takes every n).
inline bool LabSetupValid(const TLabSetup& setup, bool checkSteps) {
    if (checkSteps && (setup.steps < 1 || setup.steps > kLabMaxSteps)) {
        return false;
    }
    const auto system = static_cast<std::uint32_t>(setup.system);
    const auto mode = static_cast<std::uint32_t>(setup.mode);
    const auto arithmetic = static_cast<std::uint32_t>(setup.arithmetic);
    if (system > 2 || mode > 1 || arithmetic > 3) {
        return false;
    }
    if (setup.arithmetic != TLabArithmetic::Fixed) {
        return true;
    }
    const auto rounding = static_cast<std::uint32_t>(setup.rounding);
    return setup.wordBits >= 8 && setup.wordBits <= 64 && setup.fractionBits >= 0 &&
           setup.fractionBits <= setup.wordBits - 1 && rounding <= 2 && setup.guardBits >= 0 &&
           setup.guardBits <= 16 && setup.wordBits + setup.guardBits <= 64;
}

// The inputs as the format holds them and the registers the steps start from.
template <class A> struct TLabStart {
    using TReg = typename A::TReg;
    TLabRefusal refusal = TLabRefusal::None;
    bool folded = false;
    bool wrapped = false; // the fold's negation wrapped: state 0 is marked
    // The inputs as held: rotation's theta, vectoring's point (x0, y0), linear rotation's a, b.
    TReg theta{}, x0{}, y0{};
    // The registers after any fold; rotation with a gain starts x at K_n instead.
    TReg x{}, y{}, z{};
};

template <class A> TLabStart<A> LabRefused(TLabRefusal refusal) {
    TLabStart<A> start;
    start.refusal = refusal;
    return start;
}

// Circular rotation beyond +-pi/2: z = theta -+ pi, the results negated at the end.
template <class A> void FoldAngle(const A& a, TLabStart<A>& start) {
    typename A::TReg h{};
    // A word without room for pi/2 holds no angle beyond it.
    if (!a.HalfPi(h) || (start.theta <= h && start.theta >= -h)) {
        return;
    }
    typename A::TReg p{};
    if (!a.Pi(p)) {
        start.refusal = TLabRefusal::DoesNotFit;
        return;
    }
    bool wrapped = false; // |theta -+ pi| < pi/2 fits wherever pi does
    start.z =
        start.theta > h ? a.Subtract(start.theta, p, wrapped) : a.Add(start.theta, p, wrapped);
    start.folded = true;
}

// Vectoring of a point with x < 0 in the circular and linear systems: (x, y) = (-x, -y), and
// in the circular system z = +-pi, the sign of y's (-0 counting as negative, as in atan2).
template <TLabSystem S, class A> void FoldPoint(const A& a, TLabStart<A>& start) {
    using TReg = typename A::TReg;
    if (!(start.x0 < TReg{})) {
        return;
    }
    if constexpr (S == TLabSystem::Circular) {
        TReg p{};
        if (!a.Pi(p)) {
            start.refusal = TLabRefusal::DoesNotFit;
            return;
        }
        start.z = A::SignOf(start.y0) ? a.Negate(p, start.wrapped) : p;
    }
    start.x = a.Negate(start.x0, start.wrapped);
    start.y = a.Negate(start.y0, start.wrapped);
    start.folded = true;
}

// The refusals in their order: the rotation's argument, the inputs' fit, the point, a fold's
// pi. The constants of n steps are ConstantsFit's, checked after these.
template <TLabSystem S, TLabMode M, class A>
TLabStart<A> LabStartOf(const A& a, long double theta, long double x0, long double y0) {
    using TReg = typename A::TReg;
    TLabStart<A> start;
    if constexpr (M == TLabMode::Rotation) {
        const long double bound = S == TLabSystem::Circular ? kLabPi : kLabLargestArgument;
        if (!(fabsl(theta) <= bound)) {
            return LabRefused<A>(TLabRefusal::OutOfDomain);
        }
        if (!a.Format(theta, start.theta)) {
            return LabRefused<A>(TLabRefusal::DoesNotFit);
        }
        start.z = start.theta;
        if constexpr (S == TLabSystem::Linear) {
            if (!a.Format(x0, start.x0) || !a.Format(y0, start.y0)) {
                return LabRefused<A>(TLabRefusal::DoesNotFit);
            }
            start.x = start.x0;
            start.y = start.y0;
        } else if constexpr (S == TLabSystem::Circular) {
            FoldAngle(a, start);
        }
    } else {
        if (!a.Format(x0, start.x0) || !a.Format(y0, start.y0)) {
            return LabRefused<A>(TLabRefusal::DoesNotFit);
        }
        if constexpr (S == TLabSystem::Circular) {
            if (start.x0 == TReg{} && start.y0 == TReg{}) {
                return LabRefused<A>(TLabRefusal::Origin);
            }
        } else if constexpr (S == TLabSystem::Linear) {
            if (start.x0 == TReg{}) {
                return LabRefused<A>(TLabRefusal::Origin); // division by zero
            }
        } else if (!A::Exceeds(start.x0, start.y0)) {
            return LabRefused<A>(TLabRefusal::OutOfDomain); // atanh(y / x) needs |y| < x
        }
        start.x = start.x0;
        start.y = start.y0;
        if constexpr (S != TLabSystem::Hyperbolic) {
            FoldPoint<S>(a, start);
        }
    }
    return start;
}

// Whether the constants of n steps fit the format: alpha_0 .. alpha_{n-1}, and K_n where the
// system has a gain.
template <TLabSystem S, class A> bool ConstantsFit(const A& a, std::int32_t n) {
    return a.AlphasFit(n) && (S == TLabSystem::Linear || a.GainFits(n));
}

// A run's results in the format; third only in hyperbolic rotation.
template <class A> struct TLabResults { typename A::TOut first{}, second{}, third{}; };

// The results of n steps ending in (x, y, z). `wrapped` is set when one wraps as it leaves the
// word (after the negation or the length's product, both exact until then).
template <TLabSystem S, TLabMode M, class A>
TLabResults<A> Results(const A& a, const TLabStart<A>& start, std::int32_t n, typename A::TReg x,
                       typename A::TReg y, typename A::TReg z, bool& wrapped) {
    TLabResults<A> results;
    if constexpr (M == TLabMode::Rotation && S == TLabSystem::Linear) {
        results.first = a.Leave(A::Exact(y), wrapped);
        results.second = a.Leave(A::Exact(x), wrapped);
    } else if constexpr (M == TLabMode::Rotation) {
        auto first = A::Exact(x);
        auto second = A::Exact(y);
        if (start.folded) {
            first = A::Negated(first);
            second = A::Negated(second);
        }
        results.first = a.Leave(first, wrapped);
        results.second = a.Leave(second, wrapped);
        if constexpr (S == TLabSystem::Hyperbolic) {
            results.third = a.Sum(results.first, results.second, wrapped);
        }
    } else {
        results.first = a.Leave(A::Exact(z), wrapped);
        if constexpr (S == TLabSystem::Linear) {
            // x_n = x0 as held, negated back where the point was folded.
            results.second = a.Leave(start.folded ? A::Negated(A::Exact(x)) : A::Exact(x), wrapped);
        } else {
            // x_n is the length over K_n: one multiplication undoes the steps' change.
            results.second = a.Leave(a.Product(x, a.Gain(n), wrapped), wrapped);
        }
    }
    return results;
}

// n steps from `start`. record(i, sigma, x, y, z, wrapped) receives every state: the n states
// before each step and the one after the last (sigma 0), `wrapped` when the update that made it
// wrapped a register or, on the last, when a result did.
template <TLabSystem S, TLabMode M, class A, class Record>
TLabResults<A> Run(const A& a, const TLabStart<A>& start, std::int32_t n, Record&& record) {
    using TReg = typename A::TReg;
    TReg x = start.x;
    if constexpr (M == TLabMode::Rotation && S != TLabSystem::Linear) {
        x = a.Gain(n);
    }
    TReg y = start.y;
    TReg z = start.z;
    bool wrapped = start.wrapped;
    for (std::int32_t i = 0; i < n; ++i) {
        // Rotation drives z to 0 (either zero turns +1), vectoring y.
        const std::int32_t sigma =
            M == TLabMode::Rotation ? (z >= TReg{} ? 1 : -1) : (y < TReg{} ? 1 : -1);
        record(i, sigma, x, y, z, wrapped);
        wrapped = a.template Turn<kLabCoordinate<S>>(x, y, z, sigma, i);
    }
    const TLabResults<A> results = Results<S, M>(a, start, n, x, y, z, wrapped);
    record(n, 0, x, y, z, wrapped);
    return results;
}

// The exact values of the functions a run approaches, of its inputs as held (before a fold).
template <TLabSystem S, TLabMode M, class A>
TLabExactValues Expected(TLabExact& exact, const A& a, const TLabStart<A>& start) {
    const long double theta = a.Value(start.theta);
    const long double x0 = a.Value(start.x0);
    const long double y0 = a.Value(start.y0);
    if constexpr (S == TLabSystem::Circular) {
        return M == TLabMode::Rotation ? exact.CosSin(theta) : exact.AngleLength(x0, y0);
    } else if constexpr (S == TLabSystem::Linear) {
        return M == TLabMode::Rotation ? exact.MultiplyAdd(x0, y0, theta) : exact.Quotient(x0, y0);
    } else {
        return M == TLabMode::Rotation ? exact.CoshSinhExp(theta) : exact.AtanhLength(x0, y0);
    }
}

// Whether the input lies within R_n of the start: rotation's z_0, vectoring's exact result
// from its z_0 (the folded point's angle, the quotient, the atanh).
template <TLabMode M, class A>
bool Converges(const A& a, const TLabStart<A>& start, long double exactFirst, long double reach) {
    const long double z0 = a.Value(start.z);
    return M == TLabMode::Rotation ? fabsl(z0) <= reach : fabsl(exactFirst - z0) <= reach;
}
