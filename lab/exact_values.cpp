#include "exact_values.h"

#include <cmath>

namespace {

constexpr mpfr_prec_t kExtendedBits = 64;

// MPFR keeps the constants it computes on the way (pi for cos and atan2, log 2 for exp) per
// thread, for the next call. They are freed when the thread ends: freeing them after every run
// made each run compute them again, three times the run's own work.
struct TCacheRelease {
    TCacheRelease() = default;
    TCacheRelease(const TCacheRelease&) = delete;
    TCacheRelease& operator=(const TCacheRelease&) = delete;
    ~TCacheRelease() { mpfr_free_cache(); }
};
thread_local TCacheRelease cacheRelease;

} // namespace

TLabExact::TLabExact() {
    static_cast<void>(&cacheRelease); // constructed in this thread, so released at its end
    mpfr_inits2(kLabExactBits, a_, b_, c_, static_cast<mpfr_ptr>(nullptr));
    mpfr_inits2(kExtendedBits, first_, second_, third_, static_cast<mpfr_ptr>(nullptr));
}

TLabExact::~TLabExact() {
    mpfr_clears(a_, b_, c_, first_, second_, third_, static_cast<mpfr_ptr>(nullptr));
}

TLabExactValues TLabExact::CosSin(long double theta) {
    mpfr_set_ld(a_, theta, MPFR_RNDN);
    mpfr_sin_cos(second_, first_, a_, MPFR_RNDN);
    return {Rounded(first_), Rounded(second_)};
}

TLabExactValues TLabExact::AngleLength(long double x, long double y) {
    mpfr_set_ld(a_, y, MPFR_RNDN);
    mpfr_set_ld(b_, x, MPFR_RNDN);
    mpfr_atan2(first_, a_, b_, MPFR_RNDN);
    mpfr_hypot(second_, b_, a_, MPFR_RNDN);
    return {Rounded(first_), Rounded(second_)};
}

TLabExactValues TLabExact::CoshSinhExp(long double t) {
    mpfr_set_ld(a_, t, MPFR_RNDN);
    // Both correctly rounded either way. mpfr_sinh_cosh takes 2.4 us where the two calls take
    // 6.3, but for a tiny t it works at as many bits as t's exponent (26 us at 2^-64, 50 ms at
    // 1e-4900), where mpfr_sinh and mpfr_cosh take their shortcuts for small inputs.
    if (fabsl(t) >= 0x1p-32L) {
        mpfr_sinh_cosh(second_, first_, a_, MPFR_RNDN);
    } else {
        mpfr_cosh(first_, a_, MPFR_RNDN);
        mpfr_sinh(second_, a_, MPFR_RNDN);
    }
    mpfr_exp(third_, a_, MPFR_RNDN);
    return {Rounded(first_), Rounded(second_), Rounded(third_)};
}

TLabExactValues TLabExact::MultiplyAdd(long double a, long double b, long double c) {
    mpfr_set_ld(a_, a, MPFR_RNDN);
    mpfr_set_ld(b_, b, MPFR_RNDN);
    mpfr_set_ld(c_, c, MPFR_RNDN);
    mpfr_fma(first_, a_, c_, b_, MPFR_RNDN);
    return {Rounded(first_), a};
}

TLabExactValues TLabExact::Quotient(long double x, long double y) {
    mpfr_set_ld(a_, y, MPFR_RNDN);
    mpfr_set_ld(b_, x, MPFR_RNDN);
    mpfr_div(first_, a_, b_, MPFR_RNDN);
    return {Rounded(first_), x};
}

TLabExactValues TLabExact::AtanhLength(long double x, long double y) {
    mpfr_set_ld(a_, y, MPFR_RNDN);
    mpfr_set_ld(b_, x, MPFR_RNDN);
    mpfr_div(c_, a_, b_, MPFR_RNDN);
    mpfr_atanh(c_, c_, MPFR_RNDN);
    mpfr_set(first_, c_, MPFR_RNDN);
    mpfr_sqr(b_, b_, MPFR_RNDN);
    mpfr_sqr(a_, a_, MPFR_RNDN);
    mpfr_sub(c_, b_, a_, MPFR_RNDN);
    mpfr_sqrt(c_, c_, MPFR_RNDN);
    mpfr_set(second_, c_, MPFR_RNDN);
    return {Rounded(first_), Rounded(second_)};
}
