#include "fixed_word.h"

#include <cmath>

TFixedWord::TFixedWord(std::int32_t bits, std::int32_t fraction)
    : bits_(bits), fraction_(fraction), unused_(64 - bits), up_(ldexpl(1.0L, fraction)),
      down_(ldexpl(1.0L, -fraction)), below_(-ldexpl(1.0L, bits - 1) - (bits < 64 ? 0.5L : 1.0L)),
      above_(ldexpl(1.0L, bits - 1) - 0.5L) {}

long double TFixedWord::Largest() const {
    return (ldexpl(1.0L, bits_ - 1) - 1.0L) * down_;
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
