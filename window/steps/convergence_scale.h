#pragma once

#include "cordic.h"

#include <cstdint>

// The scales of the convergence chart, free of the toolkit.
//
// Vertical: a logarithmic error axis from 1 at the top down to 1e-20 at the floor, one decade
// per twentieth of the height. The errors of a run fall from about 1 at step 0 to a few 1e-17
// at the result, and the step angles atan 2^-i from 0.785 to 5.5e-17, so twenty decades hold
// every value a run produces with room below. The logarithm is log10l of the extended value
// itself: errors of 1e-19 and less are not rounded through double first.
//
// Horizontal: the step index i = 0 .. 53, then the result row at i = 54 on the right edge.
//
// Positions are fractions of the plot: `down` from the top edge, `right` from the left edge.

// The axis spans 10^0 .. 10^-kErrorDecades.
inline constexpr int kErrorDecades = 20;
// The smallest value with a place of its own on the axis; anything smaller sits on the floor.
inline constexpr long double kErrorFloor = 1e-20L;
// The last index on the horizontal axis: the result row.
inline constexpr std::int32_t kChartLastIndex = kCordicSteps;

// Where an error (or a step angle) sits on the vertical axis.
struct TErrorMark {
    long double down = 0.0L; // 0 at the top (1 and above), 1 at the floor
    bool belowFloor = false; // held at the floor: below 1e-20, exactly zero, or not a number
};

// The mark of `value` (>= 0): down = -log10(value) / 20, held within [0, 1]. Values above 1 are
// held at the top; 1e-20 itself sits on the floor without being flagged.
TErrorMark ErrorMark(long double value);

// The height of the decade line 10^-decade: decade / 20 (0 .. 20).
long double DecadeDown(int decade);

// The horizontal place of step index i: i / 54, held within [0, 1].
long double StepRight(std::int32_t i);
