#pragma once

// The constants of the laboratory's CORDIC, all in x87 extended precision. Each arithmetic
// brings them into its own format once per run or sweep (see float_format.h, fixed_format.h).

#include "lab.h"

#include <array>
#include <cstdint>

// pi rounded to extended: 3.14159265358979323851..., significand 0xC90FDAA22168C235. The
// angle input's pi is the double one (0xC90FDAA22168C000); the laboratory turns the whole
// circle and needs the closer one.
inline constexpr long double kLabPi = 0xC.90FDAA22168C235p-2L;
// pi/2 in extended, exactly kLabPi / 2: 1.57079632679489661926...
inline constexpr long double kLabHalfPi = 0xC.90FDAA22168C235p-3L;

// The tables of one system, every one computed once per process.
struct TLabTables {
    // shift[i] = s_i, the shift of step i: i, or for the hyperbolic system 1, 2, 3, 4, 4, 5, ...,
    // 13, 13, 14, ..., 40, 40, 41, ... (each repeated shift 3k + 1 of the one before).
    std::array<std::int32_t, kLabMaxSteps> shift;
    // scale[i] = 2^-s_i, exact.
    std::array<long double, kLabMaxSteps> scale;
    // alpha[i], the step's constant: atanl(2^-i), 2^-i, or atanhl(2^-s_i).
    std::array<long double, kLabMaxSteps> alpha;
    // gain[n - 1] = K_n, the factor that undoes n steps' change of length in advance: circular
    // CordicGain(n - 1), the core's own product of 1 / sqrt(1 + 2^-2k), so that 54 steps start
    // from exactly the main window's gain; hyperbolic the same product of 1 / sqrt(1 - 2^-2s_k);
    // linear 1 (its steps leave x as it is).
    std::array<long double, kLabMaxSteps> gain;
    // reach[n - 1] = R_n = alpha[0] + ... + alpha[n - 1], summed in this order.
    std::array<long double, kLabMaxSteps> reach;
};

const TLabTables& LabTables(TLabSystem system);

// The step counts n an arithmetic brings the constants into its format for, first .. last
// (1 <= first <= last <= kLabMaxSteps): a run needs its own n, a sweep every n.
struct TLabStepCounts {
    std::int32_t first;
    std::int32_t last;
};
