#include "fixed_word.h"

#include <cmath>

TFixedWord::TFixedWord(std::int32_t bits, std::int32_t fraction)
    : bits_(bits), fraction_(fraction), unused_(64 - bits) {}

bool TFixedWord::Format(long double v, std::int64_t& raw) const {
    if (!std::isfinite(v)) {
        return false;
    }
    // Both bounds are integers of at most 63 bits: exact in extended.
    const long double top = ldexpl(1.0L, bits_ - 1);
    const long double r = roundl(ldexpl(v, fraction_));
    if (!(r >= -top && r <= top - 1.0L)) {
        return false;
    }
    raw = static_cast<std::int64_t>(r);
    return true;
}

long double TFixedWord::Value(std::int64_t raw) const {
    return ldexpl(static_cast<long double>(raw), -fraction_);
}

long double TFixedWord::Largest() const {
    return ldexpl(ldexpl(1.0L, bits_ - 1) - 1.0L, -fraction_);
}

TWide TFixedWord::Product(std::int64_t a, std::int64_t b) const {
    const TWide p = static_cast<TWide>(a) * b;
    if (fraction_ == 0) {
        return p;
    }
    const auto magnitude = static_cast<TUWide>(p < 0 ? -p : p);
    const auto half = static_cast<TUWide>(1) << (fraction_ - 1);
    const auto rounded = static_cast<TWide>((magnitude + half) >> fraction_);
    return p < 0 ? -rounded : rounded;
}
