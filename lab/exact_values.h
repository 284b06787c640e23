#pragma once

// TLabExact: the values the laboratory's results are measured against, from MPFR, of extended
// inputs (held exactly), rounded to extended.
//   cos and sin, atan2 and hypot, atanh(y / x) and sqrt(x^2 - y^2) are computed at
//   kLabExactBits and rounded to extended once by mpfr_get_ld; they differ from one correct
//   rounding only when the exact value lies within 2^-256 (relative) of a midpoint between two
//   extended numbers. x^2 and y^2 are exact at 256 bits (64-bit significands), and so is their
//   difference wherever the two squares overlap; where they do not, the difference is rounded
//   by 2^-256 relative, as far out of the results' reach.
//   cosh, sinh, exp, b + a c (one fused multiply-add) and y / x are each one MPFR operation
//   rounded straight to extended's 64 bits: correctly rounded (among the subnormals rounded a
//   second time, to fewer bits).

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
    TLabExact();
    // Also frees MPFR's cached constants (pi for the argument reduction), which would
    // otherwise stay allocated until the thread ends.
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

    mpfr_t a_, b_, c_, first_, second_; // kLabExactBits
    mpfr_t extended_;                   // 64 bits, extended's significand
};
