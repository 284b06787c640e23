#include "exact_values.h"

namespace {

constexpr mpfr_prec_t kExtendedBits = 64;

} // namespace

TLabExact::TLabExact() {
    mpfr_inits2(kLabExactBits, a_, b_, c_, first_, second_, static_cast<mpfr_ptr>(nullptr));
    mpfr_init2(extended_, kExtendedBits);
}

TLabExact::~TLabExact() {
    mpfr_clears(a_, b_, c_, first_, second_, extended_, static_cast<mpfr_ptr>(nullptr));
    mpfr_free_cache();
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
    TLabExactValues values;
    mpfr_cosh(extended_, a_, MPFR_RNDN);
    values.first = Rounded(extended_);
    mpfr_sinh(extended_, a_, MPFR_RNDN);
    values.second = Rounded(extended_);
    mpfr_exp(extended_, a_, MPFR_RNDN);
    values.third = Rounded(extended_);
    return values;
}

TLabExactValues TLabExact::MultiplyAdd(long double a, long double b, long double c) {
    mpfr_set_ld(a_, a, MPFR_RNDN);
    mpfr_set_ld(b_, b, MPFR_RNDN);
    mpfr_set_ld(c_, c, MPFR_RNDN);
    mpfr_fma(extended_, a_, c_, b_, MPFR_RNDN);
    return {Rounded(extended_), a};
}

TLabExactValues TLabExact::Quotient(long double x, long double y) {
    mpfr_set_ld(a_, y, MPFR_RNDN);
    mpfr_set_ld(b_, x, MPFR_RNDN);
    mpfr_div(extended_, a_, b_, MPFR_RNDN);
    return {Rounded(extended_), x};
}

TLabExactValues TLabExact::AtanhLength(long double x, long double y) {
    mpfr_set_ld(a_, y, MPFR_RNDN);
    mpfr_set_ld(b_, x, MPFR_RNDN);
    mpfr_div(first_, a_, b_, MPFR_RNDN);
    mpfr_atanh(first_, first_, MPFR_RNDN);
    mpfr_sqr(b_, b_, MPFR_RNDN);
    mpfr_sqr(a_, a_, MPFR_RNDN);
    mpfr_sub(second_, b_, a_, MPFR_RNDN);
    mpfr_sqrt(second_, second_, MPFR_RNDN);
    return {Rounded(first_), Rounded(second_)};
}
