#pragma once

// The two modes' passes, written once for every arithmetic A (TFloatArithmetic<T>,
// TFixedArithmetic): how an input is brought into the format and folded, and the n steps. LabRun
// records every state; LabSweep passes a recorder that does nothing and keeps only the results.

#include "constants.h"
#include "lab.h"

#include <cmath>
#include <cstdint>

inline bool LabSetupValid(const TLabSetup& setup, bool checkSteps) {
    if (checkSteps && (setup.steps < 1 || setup.steps > kLabMaxSteps)) {
        return false;
    }
    return setup.arithmetic != TLabArithmetic::Fixed ||
           (setup.wordBits >= 8 && setup.wordBits <= 64 && setup.fractionBits >= 0 &&
            setup.fractionBits <= setup.wordBits - 1);
}

// Rotation's input: theta in the format and the residual angle the steps start from.
template <class A> struct TRotationStart {
    TLabRefusal refusal = TLabRefusal::None;
    bool folded = false;
    typename A::TReg theta{};
    typename A::TReg z{};
};

template <class A> TRotationStart<A> StartRotation(const A& a, long double theta) {
    TRotationStart<A> start;
    if (!(fabsl(theta) <= kLabPi)) {
        start.refusal = TLabRefusal::OutOfDomain;
        return start;
    }
    if (!a.Format(theta, start.theta)) {
        start.refusal = TLabRefusal::DoesNotFit;
        return start;
    }
    start.z = start.theta;
    typename A::TReg h{};
    // A word without room for pi/2 holds no angle beyond it.
    if (!a.HalfPi(h) || (start.theta <= h && start.theta >= -h)) {
        return start;
    }
    typename A::TReg p{};
    if (!a.Pi(p)) {
        start.refusal = TLabRefusal::DoesNotFit;
        return start;
    }
    bool wrapped = false; // |theta - pi| < pi/2 fits wherever pi does
    start.z =
        start.theta > h ? a.Subtract(start.theta, p, wrapped) : a.Add(start.theta, p, wrapped);
    start.folded = true;
    return start;
}

// The final pair of a rotation: (x_n, y_n), negated when the angle was folded.
template <class A> struct TPair {
    typename A::TReg first{};
    typename A::TReg second{};
};

// Rotation by n steps from `start`. record(i, sigma, x, y, z, wrapped) receives every state.
template <class A, class Record>
TPair<A> Rotate(const A& a, const TRotationStart<A>& start, std::int32_t n, Record&& record) {
    using TReg = typename A::TReg;
    TReg x = a.Gain(n);
    TReg y{};
    TReg z = start.z;
    bool wrapped = false;
    for (std::int32_t i = 0; i < n; ++i) {
        const std::int32_t sigma = z >= TReg{} ? 1 : -1;
        record(i, sigma, x, y, z, wrapped);
        wrapped = a.Turn(x, y, z, sigma, i);
    }
    TPair<A> result{x, y};
    if (start.folded) {
        result.first = a.Negate(x, wrapped);
        result.second = a.Negate(y, wrapped);
    }
    record(n, 0, x, y, z, wrapped);
    return result;
}

// Vectoring's input: the point in the format, and the registers after the fold.
template <class A> struct TVectoringStart {
    TLabRefusal refusal = TLabRefusal::None;
    bool folded = false;
    bool wrapped = false; // the fold's negation wrapped
    typename A::TReg x0{}, y0{};
    typename A::TReg x{}, y{}, z{};
};

template <class A> TVectoringStart<A> StartVectoring(const A& a, long double x0, long double y0) {
    using TReg = typename A::TReg;
    TVectoringStart<A> start;
    if (!a.Format(x0, start.x0) || !a.Format(y0, start.y0)) {
        start.refusal = TLabRefusal::DoesNotFit;
        return start;
    }
    if (start.x0 == TReg{} && start.y0 == TReg{}) {
        start.refusal = TLabRefusal::Origin;
        return start;
    }
    start.x = start.x0;
    start.y = start.y0;
    if (!(start.x0 < TReg{})) {
        return start;
    }
    TReg p{};
    if (!a.Pi(p)) {
        start.refusal = TLabRefusal::DoesNotFit;
        return start;
    }
    start.x = a.Negate(start.x0, start.wrapped);
    start.y = a.Negate(start.y0, start.wrapped);
    start.z = A::SignOf(start.y0) ? a.Negate(p, start.wrapped) : p;
    start.folded = true;
    return start;
}

// The sigma of a vectoring step: the turn that brings y towards 0.
template <class TReg> std::int32_t VectoringSigma(TReg y) {
    return y < TReg{} ? 1 : -1;
}

// Vectoring by n steps from `start`: (z_n, x_n K_n). record as for Rotate.
template <class A, class Record>
TPair<A> Vector(const A& a, const TVectoringStart<A>& start, std::int32_t n, Record&& record) {
    using TReg = typename A::TReg;
    TReg x = start.x;
    TReg y = start.y;
    TReg z = start.z;
    bool wrapped = start.wrapped;
    for (std::int32_t i = 0; i < n; ++i) {
        const std::int32_t sigma = VectoringSigma(y);
        record(i, sigma, x, y, z, wrapped);
        wrapped = a.Turn(x, y, z, sigma, i);
    }
    const TPair<A> result{z, a.Product(x, a.Gain(n), wrapped)};
    record(n, 0, x, y, z, wrapped);
    return result;
}
