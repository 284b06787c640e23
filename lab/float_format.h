#pragma once

// TFloatArithmetic<T>: the laboratory's CORDIC in the floating format T (long double for x87
// extended, double, float), every operation rounded to T, nothing fused.
//
//   fmt(v) is the C conversion of the extended v to T, round to nearest even; it does not fit
//   when v is not finite or the conversion overflows to infinity.
//   The constants are the extended ones of constants.h converted once: K_n, alpha_i, pi, pi/2,
//   and 2^-s, which every format holds exactly (2^-63 is a normal float).
//   Step i of the coordinate system m (1 circular, 0 linear, -1 hyperbolic) multiplies by
//   sigma 2^-s first and then by the register, as the core's rotation does:
//       x' = x - m (sigma 2^-s) y,   y' = y + (sigma 2^-s) x,   z' = z - alpha_i sigma,
//   with x' = x - t y for m = 1, x + t y for m = -1, and x left as it is for m = 0. The product
//   is exact unless it falls among T's subnormals; x' and y' are rounded once each.
//   A register that turns infinite on the way (a vector within a factor 1/K ~= 1.65 of T's
//   largest number) is reported as an overflow of that step; so is a result that does.

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
    using TExact = T;
    using TOut = T;

    // Gain(n) serves n within `counts`, Turn steps i < counts.last.
    TFloatArithmetic(const TLabTables& tables, TLabStepCounts counts) {
        for (std::int32_t i = 0; i < counts.last; ++i) {
            alpha_[i] = static_cast<T>(tables.alpha[i]);
            scale_[i] = static_cast<T>(tables.scale[i]);
        }
        for (std::int32_t n = counts.first; n <= counts.last; ++n) {
            gain_[n - 1] = static_cast<T>(tables.gain[n - 1]);
        }
    }

    // u, the spacing of T's numbers just above 1: 2^-63, 2^-52 or 2^-23.
    static long double Unit() { return ldexpl(1.0L, 1 - std::numeric_limits<T>::digits); }

    static bool Format(long double v, T& r) {
        r = std::isfinite(v) ? static_cast<T>(v) : T{0};
        return std::isfinite(v) && std::isfinite(r);
    }
    static long double Value(T r) { return r; }
    static long double OutValue(T r) { return r; }
    static std::int64_t Raw(T) { return 0; }
    static bool Holds(long double) { return true; }

    T Gain(std::int32_t n) const { return gain_[n - 1]; }
    static bool GainFits(std::int32_t) { return true; }
    static bool AlphasFit(std::int32_t) { return true; }
    static bool Pi(T& p) { return Format(kLabPi, p); }
    static bool HalfPi(T& h) { return Format(kLabHalfPi, h); }
    // The sign that decides the fold of a point: -0 counts as negative, as in atan2.
    static bool SignOf(T v) { return std::signbit(v); }
    static bool Exceeds(T x, T y) { return x > std::fabs(y); }

    static T Add(T a, T b, bool&) { return a + b; }
    static T Subtract(T a, T b, bool&) { return a - b; }
    static T Negate(T v, bool&) { return -v; }

    // The results, each operation rounded to T.
    static T Exact(T r) { return r; }
    static T Negated(T v) { return -v; }
    // The length x K_n, rounded once.
    static T Product(T x, T k, bool& overflow) { return Checked(x * k, x, overflow); }
    static T Leave(T v, bool&) { return v; }
    static T Sum(T a, T b, bool& overflow) { return Checked(a + b, a, overflow); }

    // Step i in the direction sigma of the system with coordinate M; true when a register
    // overflowed to infinity.
    template <std::int32_t M>
    bool Turn(T& x, T& y, T& z, std::int32_t sigma, std::int32_t i) const {
        const T s = static_cast<T>(sigma);
        const T st = s * scale_[i];
        const T yNew = y + st * x;
        bool overflow = std::isfinite(y) && !std::isfinite(yNew);
        if constexpr (M != 0) {
            const T xNew = M > 0 ? x - st * y : x + st * y;
            overflow = overflow || (std::isfinite(x) && !std::isfinite(xNew));
            x = xNew;
        }
        z = z - alpha_[i] * s;
        y = yNew;
        return overflow;
    }

private:
    // r, marking overflow where it is infinite while `from` was finite.
    static T Checked(T r, T from, bool& overflow) {
        overflow = overflow || (std::isfinite(from) && !std::isfinite(r));
        return r;
    }

    std::array<T, kLabMaxSteps> gain_{};
    std::array<T, kLabMaxSteps> alpha_{};
    std::array<T, kLabMaxSteps> scale_{};
};
