#pragma once

#include "lab.h"

// Hyperbolic rotation of t = 0.5 in fixed point W = 8, F = 6 and 4 steps, worked by hand in
// registers of 2^-6: K'_4 = 1.2067 -> 77, t -> 32, atanh 2^-1 .. 2^-4 -> 35, 16, 8, 4; each step
// adds sigma (y >> s) to x and sigma (x >> s) to y, the shifts rounding down:
//   state 0 (77, 0, 32)   +, s 1: x 77 + 0,  y 0 + 38,   z 32 - 35
//   state 1 (77, 38, -3)  -, s 2: x 77 - 9,  y 38 - 19,  z -3 + 16
//   state 2 (68, 19, 13)  +, s 3: x 68 + 2,  y 19 + 8,   z 13 - 8
//   state 3 (70, 27, 5)   +, s 4: x 70 + 1,  y 27 + 4,   z 5 - 4
//   state 4 (71, 31, 1):  cosh 71/64 = 1.109375, sinh 31/64 = 0.484375.
inline TLabSetup HandSetup() {
    TLabSetup setup;
    setup.system = TLabSystem::Hyperbolic;
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.wordBits = 8;
    setup.fractionBits = 6;
    setup.steps = 4;
    setup.theta = 0.5L;
    return setup;
}
