#pragma once

// Setups and measures the laboratory's tests share.

#include "angle_input.h"
#include "lab.h"

#include <algorithm>
#include <cmath>

// Degrees converted as the main window converts them (with the double pi), also beyond the
// +-90 degrees its angle input accepts.
inline long double Degrees(long double degrees) {
    return (degrees * kPiDouble) * kOneOver180;
}

inline TLabSetup Rotation(long double theta, std::int32_t steps = 54) {
    TLabSetup setup;
    setup.theta = theta;
    setup.steps = steps;
    return setup;
}

inline TLabSetup Vectoring(long double x0, long double y0, std::int32_t steps = 54) {
    TLabSetup setup = Rotation(0, steps);
    setup.mode = TLabMode::Vectoring;
    setup.x0 = x0;
    setup.y0 = y0;
    return setup;
}

inline TLabSetup In(TLabSetup setup, TLabArithmetic arithmetic) {
    setup.arithmetic = arithmetic;
    return setup;
}

inline TLabSetup Fixed(TLabSetup setup, std::int32_t wordBits, std::int32_t fractionBits) {
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.wordBits = wordBits;
    setup.fractionBits = fractionBits;
    return setup;
}

inline long double ErrorFirst(const TLabRun& run) {
    return fabsl(run.first - run.exactFirst) / run.unit;
}
inline long double ErrorSecond(const TLabRun& run) {
    return fabsl(run.second - run.exactSecond) / run.unit;
}

// The index of the first state marked overflow, or -1.
inline std::int32_t FirstOverflow(const TLabRun& run) {
    const auto state = std::ranges::find_if(run.states, &TLabState::overflow);
    return state == run.states.end() ? -1 : state->i;
}
