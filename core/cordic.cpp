#include "cordic.h"

long double CordicGain(std::int32_t m) {
    long double k = 1.0L;
    // 64-bit counter and exponent: neither k = m + 1 nor -2k may overflow for any m.
    for (std::int64_t j = 0; j <= m; ++j) {
        const long double p = powl(2.0L, static_cast<long double>(-2 * j));
        const long double s = sqrtl(p + 1.0L);
        k = (1.0L / s) * k;
    }
    return k;
}
