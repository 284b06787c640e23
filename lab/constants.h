#pragma once

// The constants of the laboratory's CORDIC, all in x87 extended precision. Each arithmetic
// brings them into its own format once per run or sweep (see float_format.h, fixed_word.h).

#include "lab.h"

#include <array>
#include <cstdint>

// pi rounded to extended: 3.14159265358979323851..., significand 0xC90FDAA22168C235. The
// angle input's pi is the double one (0xC90FDAA22168C000); the laboratory turns the whole
// circle and needs the closer one.
inline constexpr long double kLabPi = 0xC.90FDAA22168C235p-2L;
// pi/2 in extended, exactly kLabPi / 2: 1.57079632679489661926...
inline constexpr long double kLabHalfPi = 0xC.90FDAA22168C235p-3L;

// The tables every arithmetic starts from, computed once per process.
struct TLabTables {
    // gain[n - 1] = K_n = CordicGain(n - 1): the core's own product of 1 / sqrt(1 + 2^-2k),
    // k = 0 .. n - 1, so that 54 steps start from exactly the main window's gain.
    std::array<long double, kLabMaxSteps> gain;
    // angle[i] = atanl(2^-i): 0.78539816339744830963 for i = 0, then 2^-i to extended
    // precision from i = 32 on (atan t = t - t^3/3 + ..., and t^3/3 < 2^-65 t there).
    std::array<long double, kLabMaxSteps> angle;
    // scale[i] = 2^-i, exact.
    std::array<long double, kLabMaxSteps> scale;
};

const TLabTables& LabTables();
