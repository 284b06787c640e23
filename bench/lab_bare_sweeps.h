#pragma once

// Sweeps written out by hand for one setup each, the yardsticks of the engine's LabSweep: the
// same inputs, arithmetic and exact values, the largest error in u for n = 1 .. 64.

#include "lab.h"

// Hyperbolic rotation in extended, t_k = -1 + 2k / 1000.
TLabSweep BareHyperbolicRotationExtended();
// The same in fixed point 16/14, HalfEven, 4 guard bits.
TLabSweep BareHyperbolicRotationFixed16_14HalfEvenGuard4();
// Linear vectoring in double of (x0, c_k x0), c_k = -1.5 + 3k / 1000.
TLabSweep BareLinearVectoringDouble(long double x0);
// Circular rotation in fixed point 16/14, HalfUp, 4 guard bits, the 501 angles within pi/2.
TLabSweep BareCircularRotationFixed16_14HalfUpGuard4();
