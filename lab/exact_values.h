#pragma once

// TLabExact: the values the laboratory's results are measured against, from MPFR: cos and sin
// of an angle, atan2 and hypot of a point, of extended inputs (held exactly), rounded to
// extended. MPFR rounds correctly to kLabExactBits; mpfr_get_ld then rounds that to extended's
// 64 bits (or fewer, among the subnormals). The two roundings differ from one correct rounding
// only when the exact value lies within 2^-256 (relative) of a midpoint between two extended
// numbers.

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
