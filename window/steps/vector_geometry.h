#pragma once

#include "magnifier_geometry.h"
#include "step_rows.h"

#include <optional>
#include <string>

// The vector plot's geometry, free of the toolkit: the part of the plane that holds every vector
// a run draws, and the turn of one step.
//
// Region. Every angle a run reaches lies within (-pi/2 - 0.18, pi/2 + 0.18): the steps can turn
// at most sum atan 2^-i = 1.7433 rad, and they overshoot pi/2 by at most atan 2^-3 (0.1244) on
// the way. So x never falls below cos(1.7433) = -0.172, and no vector is longer than 1 (the
// first is K = 0.6073; each step lengthens it by sqrt(1 + 2^-2i) until it reaches 1). The plot
// shows x in [-0.25, 1.15] and y in [-1.15, 1.15]: the right half of the unit circle with room
// for the labels, 1.4 wide and 2.3 high. Positions are fractions of that region, `right` from
// its left edge and `down` from its top edge (the plane's y points up).
//
// Turn. Step i turns the vector by sigma atan 2^-i, sigma = +1 (counter-clockwise) where its
// residual z >= 0, -1 otherwise, and lengthens it by sqrt(1 + 2^-2i): the arc of step i goes
// from the direction of its vector, atan2(y, x), to that direction plus sigma atan 2^-i, which
// is the direction of the next step's vector. The result row takes no step.

inline constexpr long double kRegionLeft = -0.25L;
inline constexpr long double kRegionRight = 1.15L;
inline constexpr long double kRegionTop = 1.15L;
inline constexpr long double kRegionBottom = -1.15L;

// The region's width over its height (1.4 / 2.3 = 0.6087): the shape the plot keeps.
double RegionAspect();

// The position of the plane point (x, y) in the region.
TViewPoint RegionPoint(long double x, long double y);

struct TStepTurn {
    long double from = 0.0L;  // the direction of the step's vector, atan2(y, x), radians
    long double angle = 0.0L; // atan 2^-i, > 0
    int sign = 1;             // +1 counter-clockwise, -1 clockwise
    long double to = 0.0L;    // from + sign * angle: the direction of the next vector
};

// The turn of `row`; none for the result row.
std::optional<TStepTurn> StepTurn(const TStepRow& row);

// How far a turn's mark sweeps, in radians: the step's own `angle` where its arc at
// `radiusPixels` from the origin is at least `leastLength` pixels long, else the angle that
// gives that length. From step 4 on a true arc would be shorter than its arrow head, and from
// step 7 little more than the head, which then reads either way; drawn at least so long, a tiny
// turn still shows which way it goes.
long double TurnMarkSweep(long double angle, double radiusPixels, double leastLength);

// The point at `radius` from the origin in the direction `angle` (radians), in the region.
TViewPoint RegionPointAt(long double angle, long double radius);

// The caption of a step's turn, UTF-8, with '.' in every locale and six significant digits:
// "krok 1: −atan 2^-1 = −0.463648 rad"; for the result row "výsledok". With `hidden` the
// direction stays open: "krok 1: ?atan 2^-1 = ?0.463648 rad".
std::string TurnCaption(const TStepRow& row, bool hidden);

// The caption of a saved picture of a run's row: the angle in radians and degrees, six
// significant digits, and the row, "θ = 0.523599 rad (30°), krok 3" or "θ = … , výsledok".
std::string PictureCaption(long double theta, const TStepRow& row);
