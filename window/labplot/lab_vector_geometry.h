#pragma once

#include "lab.h"
#include "magnifier_geometry.h"

#include <optional>
#include <string>
#include <vector>

// The geometry of the laboratory's vector plot "Vektor laboratória", free of the toolkit: the
// curve a state lies on, the part of the plane that holds a whole run, the move of a step and the
// axes' ticks.
//
// Curves. Each system's step keeps one quantity of (x, y) but for a factor the gain undoes:
//   circular    x^2 + y^2 = r^2, each step multiplies r by sqrt(1 + 2^-2s);
//   linear      x = a, which the steps never change (nothing is added to x);
//   hyperbolic  x^2 - y^2 = r^2, each step multiplies r by sqrt(1 - 2^-2s); its states lie on
//               the right branch, between the asymptotes y = +-x.
// The curve through a state is that curve with the state's own r or a: the state lies on it, and
// the state before lies on the one a factor sqrt(1 +- 2^-2s) away. A hyperbolic state with
// x <= |y| (a register that wrapped) and a state that is not finite lie on none.
//
// Plane. The rectangle that holds the origin, every finite state of a run and, for a circle or a
// hyperbola, the vertex (r, 0) of the curve through its last state (the arc a rotation sweeps
// from the x axis), with kPlaneMargin
// of its larger side on every side. Neither side is less than kLeastAspect of the other, so that
// a run along an axis (rotation by 0: y stays near 0) still shows the curve around it. A run
// whose states all lie at the origin gets the square from -1 to 1. Positions in the plane are
// fractions of it (TViewPoint): `right` from its left edge, `down` from its top edge (the
// plane's y points up), so that a plot maps them into a rectangle of the plane's aspect.
//
// Example: hyperbolic rotation of t = 0.5 in fixed point W = 8, F = 6, 4 steps (registers in
// units of 2^-6): (77, 0, 32) + shift 1, (77, 38, -3) - 2, (68, 19, 13) + 3, (70, 27, 5) + 4,
// (71, 31, 1). The last state lies on x^2 - y^2 = 4080 / 4096, r = 0.99804496...; the states
// span x 0 .. 77/64 and y 0 .. 38/64, the height is grown to half the width (0.6015625) about
// its middle, and 1/16 of the width added on every side: x -0.0751953125 .. 1.2783203125,
// y -0.0791015625 .. 0.6728515625, every bound exact.

// The margin around a run's states, as a share of the plane's larger side.
inline constexpr long double kPlaneMargin = 0.0625L;
// The least ratio of the plane's shorter side to its longer.
inline constexpr long double kLeastAspect = 0.5L;

enum class TLabCurveKind {
    None,      // no curve: a state that is not finite, or hyperbolic with x <= |y|
    Circle,    // x^2 + y^2 = size^2
    Line,      // x = size
    Hyperbola, // x^2 - y^2 = size^2, x > 0
};

struct TLabCurve {
    TLabCurveKind kind = TLabCurveKind::None;
    long double size = 0.0L; // r of a circle or hyperbola, a of the line
};

// The curve of `system` through `state`.
TLabCurve LabCurveThrough(const TLabState& state, TLabSystem system);

struct TLabPlane {
    long double left = -1.0L;
    long double right = 1.0L;
    long double bottom = -1.0L;
    long double top = 1.0L;
};

// The plane that holds the origin, every finite state of `run` and its last curve's vertex.
TLabPlane LabRunPlane(const TLabRun& run, TLabSystem system);

// The plane's width over its height.
double PlaneAspect(const TLabPlane& plane);

// `plane` grown about its middle, in width or in height, to the width over height `aspect` of
// the rectangle it is drawn in, so that the plot takes the whole rectangle at one scale for x
// and y. An aspect that is not positive and finite leaves it as it is.
TLabPlane WithAspect(const TLabPlane& plane, long double aspect);

// The position of the plane point (x, y) in `plane`.
TViewPoint PlanePoint(const TLabPlane& plane, long double x, long double y);

// The curve as a polyline, each point a position in `plane`: the whole circle in `samples`
// segments; the line from the plane's bottom to its top; the branch of the hyperbola in `samples`
// segments evenly in its parameter u (x = r cosh u, y = r sinh u), between the heights where it
// leaves the plane (its bottom and top, or the right edge, which it crosses at
// y = +-sqrt(right^2 - r^2)). Nothing for None.
std::vector<TViewPoint> CurvePolyline(const TLabCurve& curve, const TLabPlane& plane, int samples);

// The hyperbolic system's asymptotes y = x and y = -x, from the origin to the plane's edge
// farther away; the plot draws them behind the branch.
std::vector<TViewSegment> Asymptotes(const TLabPlane& plane);

// How state `index` (1 .. n) came from the one before: the step i = index - 1, its direction and
// shift, and the two points.
struct TLabMove {
    std::int32_t step = 0;
    std::int32_t sigma = 0;
    std::int32_t shift = 0;
    long double fromX = 0.0L, fromY = 0.0L;
    long double toX = 0.0L, toY = 0.0L;
};

// The move into state `index`; none for state 0 and an index the run does not have.
std::optional<TLabMove> LabMoveInto(const TLabRun& run, int index);

// The plot's caption of state `index`, UTF-8: "stav 0: začiatok", "stav 4: po kroku 3 (smer +,
// posun 4)"; empty for an index the run does not have.
std::string LabStateCaption(const TLabRun& run, int index);

// A tick of an axis: its value and label ("0.5", "-1", "2e-7").
struct TLabTick {
    long double value = 0.0L;
    std::string text;
};

// The ticks within [from, to] at the round step 1, 2 or 5 times a power of ten that gives at
// most `most` of them (at least 2), 0 among them where it lies within. Labels are written from
// the step's digits, so that 0.3 reads "0.3" although 3 * 0.1 is no such binary number; from
// 10^7 and below 10^-4 in scientific notation.
std::vector<TLabTick> AxisTicks(long double from, long double to, int most);
