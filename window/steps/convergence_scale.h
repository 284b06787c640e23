#pragma once

#include "cordic.h"

#include <cstdint>
#include <span>

// The scales of the error charts, free of the toolkit: a logarithmic error axis and an evenly
// spaced index axis.
//
// TLogScale: the vertical axis runs from 10^top at the top down `decades` decades to its floor,
// 10^(top - decades); a value sits at down = (top - log10 value) / decades. The logarithm is
// log10l of the extended value itself: errors of 1e-19 and less are not rounded through double
// first. The horizontal axis spreads the indexes first .. last evenly from the left edge to the
// right.
//
// The step view's convergence chart (kConvergenceScale): 1 at the top down to 1e-20 at the floor,
// one decade per twentieth of the height. The errors of a run fall from about 1 at step 0 to a
// few 1e-17 at the result, and the step angles atan 2^-i from 0.785 to 5.5e-17, so twenty decades
// hold every value a run produces with room below. Horizontally the step index i = 0 .. 53, then
// the result row at i = 54 on the right edge.
//
// Positions are fractions of the plot: `down` from the top edge, `right` from the left edge.

struct TLogScale {
    int top;            // the exponent of the top line, 10^top
    int decades;        // how many decades the axis spans
    long double floor;  // 10^(top - decades), written out so that no power is rounded
    std::int32_t first; // the index on the left edge
    std::int32_t last;  // the index on the right edge
};

// The step view's convergence chart.
// The axis spans 10^0 .. 10^-kErrorDecades.
inline constexpr int kErrorDecades = 20;
// The smallest value with a place of its own on the axis; anything smaller sits on the floor.
inline constexpr long double kErrorFloor = 1e-20L;
// The last index on the horizontal axis: the result row.
inline constexpr std::int32_t kChartLastIndex = kCordicSteps;
inline constexpr TLogScale kConvergenceScale{0, kErrorDecades, kErrorFloor, 0, kChartLastIndex};

// Where an error (or a step angle) sits on the vertical axis.
struct TErrorMark {
    long double down = 0.0L; // 0 at the top (10^top and above), 1 at the floor
    bool belowFloor = false; // held at the floor: below it, exactly zero, or not a number
};

// The mark of `value` (>= 0) on `scale`'s axis, held within [0, 1]. Values above the top are
// held at the top; the floor itself sits on the floor without being flagged.
TErrorMark ErrorMark(long double value, const TLogScale& scale);
// The height of the line 10^(top - decade): decade / decades.
long double DecadeDown(int decade, const TLogScale& scale);
// The horizontal place of index i: (i - first) / (last - first), held within [0, 1].
long double IndexRight(std::int32_t i, const TLogScale& scale);

// The scale from `first` to `last` whose decades just hold `values` (>= 0): from the decade at
// or above the largest down to the decade at or below the smallest positive one, at least
// `minimumDecades` decades (more below where the values span fewer); zeros and NaNs are left to
// the floor. With no positive value the axis runs from 10^0 down `minimumDecades` decades.
TLogScale FittedLogScale(std::span<const long double> values, std::int32_t first, std::int32_t last,
                         int minimumDecades);

// The same on the convergence chart's scale.
TErrorMark ErrorMark(long double value);
long double DecadeDown(int decade);
long double StepRight(std::int32_t i);
