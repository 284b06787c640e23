#include "constants.h"

#include "cordic.h"

#include <cmath>

namespace {

// atanh 2^-1 = ln(3) / 2 = 0.5493061443340548456976...: the upper of its two extended
// neighbours, 0x8.c9f53d5681854bcp-4 (0.68 ulp above; atanhl gives the lower, ...bbp-4, 0.32 ulp
// below, as does 1/2 log1pl(2)). It is what 1/2 (log1pl(1/2) - log1pl(-1/2)) gives, the
// difference of logarithms atanh is defined by, and the laboratory's hyperbolic results are
// pinned to it: the tests' figures, the guide's lessons and golden vectors written by cordic-lab
// all follow from this constant, so it does not move with the math library. Every other step's
// constant is atanhl's.
constexpr long double kAtanhHalf = 0x8.c9f53d5681854bcp-4L;

// The hyperbolic shifts that are taken twice: 4, then 3k + 1 of the one before.
bool RepeatsShift(std::int32_t s) {
    return s == 4 || s == 13 || s == 40;
}

TLabTables MakeTables(TLabSystem system) {
    TLabTables tables{};
    std::int32_t s = system == TLabSystem::Hyperbolic ? 1 : 0;
    bool repeated = false;
    long double hyperbolicGain = 1.0L;
    long double reach = 0.0L;
    for (std::int32_t i = 0; i < kLabMaxSteps; ++i) {
        tables.shift[i] = s;
        tables.scale[i] = ldexpl(1.0L, -s);
        switch (system) {
        case TLabSystem::Circular:
            tables.alpha[i] = atanl(tables.scale[i]);
            tables.gain[i] = CordicGain(i);
            break;
        case TLabSystem::Linear:
            tables.alpha[i] = tables.scale[i];
            tables.gain[i] = 1.0L;
            break;
        case TLabSystem::Hyperbolic: {
            tables.alpha[i] = s == 1 ? kAtanhHalf : atanhl(tables.scale[i]);
            const long double p = powl(2.0L, static_cast<long double>(-2 * s));
            hyperbolicGain = (1.0L / sqrtl(1.0L - p)) * hyperbolicGain;
            tables.gain[i] = hyperbolicGain;
            break;
        }
        }
        reach += tables.alpha[i];
        tables.reach[i] = reach;
        if (system == TLabSystem::Hyperbolic && RepeatsShift(s) && !repeated) {
            repeated = true;
        } else {
            repeated = false;
            ++s;
        }
    }
    return tables;
}

} // namespace

const TLabTables& LabTables(TLabSystem system) {
    static const std::array<TLabTables, 3> tables = {MakeTables(TLabSystem::Circular),
                                                     MakeTables(TLabSystem::Linear),
                                                     MakeTables(TLabSystem::Hyperbolic)};
    return tables[static_cast<std::size_t>(system)];
}

long double LabReach(TLabSystem system, std::int32_t steps) {
    if (steps < 1 || steps > kLabMaxSteps || static_cast<std::uint32_t>(system) > 2) {
        return 0.0L;
    }
    return LabTables(system).reach[steps - 1];
}
