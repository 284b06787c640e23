#pragma once

#include "step_rows.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The magnifier's geometry, free of the toolkit: a square view of the plane centred on the
// target point (cos theta, sin theta) that narrows with the steps.
//
// Width. At step i the corrections still to come turn the vector by at most about
// atan 2^-i + atan 2^-(i+1) + ... ~ 2 atan 2^-i, so a view 4 atan 2^-i wide (half-width
// 2 atan 2^-i) holds the tip at every step: pi at step 0, 4.4e-16 at step 53 and 2.2e-16 for
// the result row, taken as step 54. The bound is tight: over 40,001 angles evenly spread across
// [-pi/2, pi/2] the tip stayed inside at every step but came as close as 4e-5 widths to an edge
// (step 51 near -pi/2), so a view that narrowed any faster would lose it. Where the tip's offset
// is small at step 53 it is a fraction of a pixel from the centre (for 30 degrees it is 9 and
// 16 pixels off in a 240-pixel view, for 0 degrees 29).
//
// Precision. The last views are a few thousand units in the last place of 1.0L wide (2^-63,
// 1.1e-19), so nothing is computed as a plane coordinate that is then scaled up: a position is
// its offset from the centre, x - cos theta (exact, the two being close extended values),
// divided by the width. The unit circle is sampled the same way, as offsets from the target
// that involve no cancellation:
//     cos(theta + d) - cos theta = -2 sin(d/2) sin(theta + d/2)
//     sin(theta + d) - sin theta =  2 sin(d/2) cos(theta + d/2)
// Near the centre the arc is then the straight line perpendicular to the target ray to the full
// extended accuracy; subtracting cosl values instead would scatter it by a quarter of the view.
//
// Positions in the view are fractions of its side in screen orientation: `right` from the left
// edge, `down` from the top edge (the plane's y points up). The centre is (0.5, 0.5).

// No view is narrower than 64 units in the last place of 1.0L (6.9e-18): below that the
// extended values near the target have no positions left to show.
inline constexpr long double kMinimumViewWidth = 64 * std::numeric_limits<long double>::epsilon();
// Samples of the arc, from one end to the other; the middle one is the target itself.
inline constexpr int kArcSamples = 97;

struct TViewPoint {
    long double right = 0.0L;
    long double down = 0.0L;
};

struct TViewSegment {
    TViewPoint from;
    TViewPoint to;
};

// The view of one row: its centre (the run's cosl, sinl of theta), theta and its width.
struct TMagnifierView {
    long double centreX = 1.0L;
    long double centreY = 0.0L;
    long double theta = 0.0L;
    long double width = 0.0L;
};

// The width of the view at step index i (kCordicSteps for the result row): 4 atanl(2^-i), never
// below kMinimumViewWidth.
long double ViewWidth(std::int32_t i);

// The view in which `row` of `rows` is shown.
TMagnifierView ViewOfRow(const TStepRows& rows, const TStepRow& row);

// The position of the plane point (x, y) in `view`. Points outside the view get fractions
// outside [0, 1], as large as their distance makes them.
TViewPoint ToView(const TMagnifierView& view, long double x, long double y);

// True for a position on the view, its edges included.
bool InView(TViewPoint point);

// The target ray from the origin through the target, cut to the part that can cross the view:
// it starts at the origin, or one width before the target if the origin is farther, and ends
// one width beyond the target. Both ends are within 1.5 sides of the centre.
TViewSegment TargetRay(const TMagnifierView& view);

// Points of the unit circle at angles theta + d for d evenly spaced over [-D, D], D the view's
// width (at most pi): the arc through the target far enough to cross the whole view. Every
// point lies within one side of the centre.
std::array<TViewPoint, kArcSamples> ArcSamples(const TMagnifierView& view);

// The part of `segment` on the view, its ends cut at the view's edges (Liang-Barsky); none where
// it misses the view. A picture saved as SVG keeps no clip rectangle, so what the view shows is
// cut here rather than by the painter.
std::optional<TViewSegment> ClipToView(const TViewSegment& segment);
// The parts of the polyline through `points` on the view, each a polyline of its own.
std::vector<std::vector<TViewPoint>> ClipToView(std::span<const TViewPoint> points);

// The scale label, UTF-8: "šírka: " and the width with two significant digits in exponent form
// ("šírka: 2.2e-16", "šírka: 3.1e+00"), with '.' in every locale.
std::string ScaleLabel(long double width);
