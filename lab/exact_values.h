#pragma once

// TLabExact: the values the laboratory's results are measured against, from MPFR, of extended
// inputs (held exactly), rounded to extended.
//   cos and sin, atan2 and hypot, cosh, sinh and exp, b + a c (one fused multiply-add) and
//   y / x are each one MPFR operation rounded straight to extended's 64 bits: correctly rounded
//   (among the subnormals rounded a second time, to fewer bits).
//   atanh(y / x) and sqrt(x^2 - y^2) take two and three operations: they are computed at
//   kLabExactBits and rounded to extended once, which differs from one correct rounding only
//   where the exact value lies within 2^-250 (relative) of a midpoint between two extended
//   numbers. x^2 and y^2 are exact at 256 bits (64-bit significands), and so is their difference
//   wherever the two squares overlap; where they do not, it is rounded by 2^-256 relative, as
//   far out of the results' reach.

#include <mpfr.h>

inline constexpr mpfr_prec_t kLabExactBits = 256;

// The exact values of a run's first, second and third results (0 where it has none).
struct TLabExactValues {
    long double first = 0;
    long double second = 0;
    long double third = 0;
};

class TLabExact {
public:
    // MPFR's cached constants (pi, log 2) stay with the thread until it ends.
    TLabExact();
    ~TLabExact();
    TLabExact(const TLabExact&) = delete;
    TLabExact& operator=(const TLabExact&) = delete;

    TLabExactValues CosSin(long double theta);
    TLabExactValues AngleLength(long double x, long double y);
    TLabExactValues CoshSinhExp(long double t);
    // b + a c, and a.
    TLabExactValues MultiplyAdd(long double a, long double b, long double c);
    // y / x, and x.
    TLabExactValues Quotient(long double x, long double y);
    TLabExactValues AtanhLength(long double x, long double y);

private:
    static long double Rounded(mpfr_t v) { return mpfr_get_ld(v, MPFR_RNDN); }

    mpfr_t a_, b_, c_;              // kLabExactBits: the inputs and intermediate values
    mpfr_t first_, second_, third_; // 64 bits, extended's significand: the results
};
