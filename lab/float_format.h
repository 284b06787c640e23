#pragma once

// TFloatArithmetic<T>: the laboratory's CORDIC in the floating format T (long double for x87
// extended, double, float), every operation rounded to T, nothing fused.
//
//   fmt(v) is the C conversion of the extended v to T, round to nearest even; it does not fit
//   when v is not finite or the conversion overflows to infinity.
//   The constants are the extended ones of constants.h converted once: K_n, atan 2^-i, pi, pi/2,
//   and 2^-i, which every format holds exactly (2^-63 is a normal float).
//   A step multiplies by sigma 2^-i first and then by the register, as the core's rotation does:
//       x' = x - (sigma 2^-i) y,   y' = y + (sigma 2^-i) x,   z' = z - atan(2^-i) sigma.
//   The product is exact unless it falls among T's subnormals; x' and y' are rounded once each.
//   A register that turns infinite on the way (a vector within a factor 1/K ~= 1.65 of T's
//   largest number) is reported as an overflow of that step.

#include "constants.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

// Double and float expressions evaluated in their own type (SSE), not in x87 registers.
static_assert(FLT_EVAL_METHOD == 0, "double and float arithmetic must round to its own format");

template <class T> class TFloatArithmetic {
public:
    using TReg = T;

    TFloatArithmetic() {
        const TLabTables& tables = LabTables(TLabSystem::Circular);
        for (std::int32_t i = 0; i < kLabMaxSteps; ++i) {
            gain_[i] = static_cast<T>(tables.gain[i]);
            angle_[i] = static_cast<T>(tables.alpha[i]);
            scale_[i] = static_cast<T>(tables.scale[i]);
        }
    }

    // u, the spacing of T's numbers just above 1: 2^-63, 2^-52 or 2^-23.
    static long double Unit() { return ldexpl(1.0L, 1 - std::numeric_limits<T>::digits); }

    static bool Format(long double v, T& r) {
        r = std::isfinite(v) ? static_cast<T>(v) : T{0};
        return std::isfinite(v) && std::isfinite(r);
    }
    static long double Value(T r) { return r; }
    static std::int64_t Raw(T) { return 0; }

    T Gain(std::int32_t n) const { return gain_[n - 1]; }
    static bool Pi(T& p) { return Format(kLabPi, p); }
    static bool HalfPi(T& h) { return Format(kLabHalfPi, h); }
    // The sign that decides the fold of a point: -0 counts as negative, as in atan2.
    static bool SignOf(T v) { return std::signbit(v); }

    static T Add(T a, T b, bool&) { return a + b; }
    static T Subtract(T a, T b, bool&) { return a - b; }
    static T Negate(T v, bool&) { return -v; }
    // The length x K_n, rounded once.
    static T Product(T x, T k, bool& overflow) {
        const T r = x * k;
        overflow = overflow || (std::isfinite(x) && !std::isfinite(r));
        return r;
    }

    // Step i in the direction sigma; true when a register overflowed to infinity.
    bool Turn(T& x, T& y, T& z, std::int32_t sigma, std::int32_t i) const {
        const T s = static_cast<T>(sigma);
        const T st = s * scale_[i];
        const T xNew = x - st * y;
        const T yNew = y + st * x;
        z = z - angle_[i] * s;
        const bool overflow = (std::isfinite(x) && !std::isfinite(xNew)) ||
                              (std::isfinite(y) && !std::isfinite(yNew));
        x = xNew;
        y = yNew;
        return overflow;
    }

private:
    std::array<T, kLabMaxSteps> gain_;
    std::array<T, kLabMaxSteps> angle_;
    std::array<T, kLabMaxSteps> scale_;
};
