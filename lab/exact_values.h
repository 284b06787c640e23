#pragma once

// TLabExact: the values the laboratory's results are measured against, from MPFR: cos and sin
// of an angle, atan2 and hypot of a point, each of extended inputs (held exactly) and correctly
// rounded to extended. MPFR evaluates at kLabExactBits and rounds correctly to that precision;
// the second rounding, to extended's 64 bits, could differ from a direct one only for a value
// within 2^-192 of halfway between two extended numbers, and none of these functions comes that
// close at an input where it matters.

#include <mpfr.h>

inline constexpr mpfr_prec_t kLabExactBits = 256;

struct TLabExactPair {
    long double first;
    long double second;
};

class TLabExact {
public:
    TLabExact();
    // Also frees MPFR's cached constants (pi for the argument reduction), which would
    // otherwise stay allocated until the thread ends.
    ~TLabExact();
    TLabExact(const TLabExact&) = delete;
    TLabExact& operator=(const TLabExact&) = delete;

    TLabExactPair CosSin(long double theta);
    TLabExactPair AngleLength(long double x, long double y);

private:
    mpfr_t a_, b_, first_, second_;
};
