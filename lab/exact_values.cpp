#include "exact_values.h"

TLabExact::TLabExact() {
    mpfr_inits2(kLabExactBits, a_, b_, first_, second_, static_cast<mpfr_ptr>(nullptr));
}

TLabExact::~TLabExact() {
    mpfr_clears(a_, b_, first_, second_, static_cast<mpfr_ptr>(nullptr));
    mpfr_free_cache();
}

TLabExactPair TLabExact::CosSin(long double theta) {
    mpfr_set_ld(a_, theta, MPFR_RNDN);
    mpfr_sin_cos(second_, first_, a_, MPFR_RNDN);
    return {mpfr_get_ld(first_, MPFR_RNDN), mpfr_get_ld(second_, MPFR_RNDN)};
}

TLabExactPair TLabExact::AngleLength(long double x, long double y) {
    mpfr_set_ld(a_, y, MPFR_RNDN);
    mpfr_set_ld(b_, x, MPFR_RNDN);
    mpfr_atan2(first_, a_, b_, MPFR_RNDN);
    mpfr_hypot(second_, b_, a_, MPFR_RNDN);
    return {mpfr_get_ld(first_, MPFR_RNDN), mpfr_get_ld(second_, MPFR_RNDN)};
}
