#pragma once

#include "lab.h"

#include <cstdint>

// Where a sweep's error stops falling: the first n (1 .. 64) at which the largest error reaches
// its least value over all n. Past it more steps buy nothing -- the format's rounding has taken
// over from the step angles -- and in fixed point they cost: each shift past F adds a rounding.
// A sweep of equal errors (all inputs refused: all 0) stops at n = 1.
std::int32_t SweepFloorSteps(const TLabSweep& sweep);

// Whether two setups have the same sweep, by what LabSweep reads: the system, the mode and the
// arithmetic; for fixed point W, F, the rounding and G; the a and b of linear rotation and the x0
// of linear vectoring. Not the number of steps, nor any other input.
bool SameSweep(const TLabSetup& a, const TLabSetup& b);
