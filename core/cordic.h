#pragma once

#include "extended.h"

#include <cmath>
#include <concepts>
#include <cstdint>

// Step parameter n: the rotation runs 2n steps and its gain takes 2n factors.
inline constexpr std::int32_t kCordicStepParameter = 27;
inline constexpr std::int32_t kCordicSteps = 2 * kCordicStepParameter;

// The state of one rotation step as it stands before the step's update.
struct TCordicStep {
    std::int32_t i; // step index, 0 .. kCordicSteps - 1
    long double x;  // cosine accumulator, starts at the gain K
    long double y;  // sine accumulator, starts at 0
    long double z;  // residual angle in radians, starts at theta
};

// The state after the last update: x approximates cos(theta), y approximates sin(theta), and z
// is the residual angle left over.
struct TCordicResult {
    long double x;
    long double y;
    long double z;
};

// The CORDIC gain: the product of 1 / sqrt(1 + 2^-2k) for k = 0 .. m, computed afresh with
// powl and sqrtl in extended precision. m < 0 takes no factor and gives 1.
long double CordicGain(std::int32_t m);

// Rotates the vector (K, 0) towards theta (radians, |theta| <= pi/2 for a meaningful result) in
// kCordicSteps steps by the angles atan(2^-i), and returns the final (x, y) ~ (cos, sin) theta with the residual z.
// `notify` receives every step's state before its update; the state after the last update is
// only returned. An exception thrown by `notify` ends the rotation and propagates.
template <std::invocable<const TCordicStep&> Notify>
TCordicResult CordicRotate(long double theta, Notify&& notify) {
    long double x = CordicGain(kCordicSteps - 1);
    long double y = 0.0L;
    long double z = theta;
    for (std::int32_t i = 0; i < kCordicSteps; ++i) {
        const TCordicStep step{i, x, y, z};
        notify(step);
        // A residual of zero, of either sign, turns counter-clockwise.
        const long double sigma = z >= 0.0L ? 1.0L : -1.0L;
        const long double t = powl(2.0L, static_cast<long double>(-i));
        const long double xNew = x - ((sigma * t) * y);
        const long double yNew = y + ((sigma * t) * x);
        z = z - (atanl(t) * sigma);
        x = xNew;
        y = yNew;
    }
    return {x, y, z};
}
