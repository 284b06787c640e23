#pragma once

// Setups and measures the laboratory's tests share.

#include "angle_input.h"
#include "lab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

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

inline TLabSetup Fixed(TLabSetup setup, std::int32_t wordBits, std::int32_t fractionBits,
                       TLabRounding rounding = TLabRounding::Floor, std::int32_t guardBits = 0) {
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.wordBits = wordBits;
    setup.fractionBits = fractionBits;
    setup.rounding = rounding;
    setup.guardBits = guardBits;
    return setup;
}

inline TLabSetup Hyperbolic(TLabSetup setup) {
    setup.system = TLabSystem::Hyperbolic;
    return setup;
}

// Linear rotation: y = b + a c.
inline TLabSetup LinearRotation(long double a, long double b, long double c, std::int32_t steps) {
    TLabSetup setup = Rotation(c, steps);
    setup.system = TLabSystem::Linear;
    setup.x0 = a;
    setup.y0 = b;
    return setup;
}

inline TLabSetup LinearVectoring(long double x0, long double y0, std::int32_t steps) {
    TLabSetup setup = Vectoring(x0, y0, steps);
    setup.system = TLabSystem::Linear;
    return setup;
}

inline long double ErrorFirst(const TLabRun& run) {
    return fabsl(run.first - run.exactFirst) / run.unit;
}
inline long double ErrorSecond(const TLabRun& run) {
    return fabsl(run.second - run.exactSecond) / run.unit;
}
inline long double ErrorThird(const TLabRun& run) {
    return fabsl(run.third - run.exactThird) / run.unit;
}

// An error as the window shows it: three significant digits.
inline std::string Shown(long double error) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.3Lg", error);
    return text.data();
}

// The first states' (rawX, rawY, rawZ, sigma, shift).
using TRegisterRows = std::vector<std::array<std::int64_t, 5>>;
inline TRegisterRows RegistersWithShift(const TLabRun& run, std::size_t count) {
    TRegisterRows rows;
    for (std::size_t i = 0; i < count && i < run.states.size(); ++i) {
        const TLabState& s = run.states[i];
        rows.push_back({s.rawX, s.rawY, s.rawZ, s.sigma, s.shift});
    }
    return rows;
}

// The index of the first state marked overflow, or -1.
inline std::int32_t FirstOverflow(const TLabRun& run) {
    const auto state = std::ranges::find_if(run.states, &TLabState::overflow);
    return state == run.states.end() ? -1 : state->i;
}
