#include "lab_vector_geometry.h"

#include "conversions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr long double kTwoPi = 2 * std::numbers::pi_v<long double>;
// Plain tick labels from 10^kLowestPlain to below 10^kHighestPlain.
constexpr int kLowestPlain = -4;
constexpr int kHighestPlain = 7;
// Tick indices beyond this are no labels anyone reads (the axis would be far from 0).
constexpr long double kLargestTickIndex = 1e15L;

bool Finite(const TLabState& state) {
    return std::isfinite(state.x) && std::isfinite(state.y);
}

// Grows [low, high] about its middle to `least`, if it is shorter.
void Widen(long double& low, long double& high, long double least) {
    if (high - low >= least) {
        return;
    }
    const long double middle = low / 2 + high / 2;
    low = middle - least / 2;
    high = middle + least / 2;
}

// The label of mantissa * 10^exponent, from its decimal digits.
std::string TickText(std::int64_t mantissa, int exponent) {
    if (mantissa == 0) {
        return "0";
    }
    while (mantissa % 10 == 0) {
        mantissa /= 10;
        ++exponent;
    }
    const std::string sign = mantissa < 0 ? "-" : "";
    const std::string digits = IntToStr(std::llabs(mantissa));
    const int length = static_cast<int>(digits.size());
    const int leading = exponent + length - 1; // the power of ten of the first digit
    if (leading < kLowestPlain || leading >= kHighestPlain) {
        const std::string rest = digits.substr(1);
        return sign + digits.substr(0, 1) + (rest.empty() ? "" : "." + rest) + "e" +
               IntToStr(leading);
    }
    if (exponent >= 0) {
        return sign + digits + std::string(static_cast<std::size_t>(exponent), '0');
    }
    const int point = length + exponent; // digits before the point
    if (point > 0) {
        return sign + digits.substr(0, static_cast<std::size_t>(point)) + "." +
               digits.substr(static_cast<std::size_t>(point));
    }
    return sign + "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
}

} // namespace

TLabCurve LabCurveThrough(const TLabState& state, TLabSystem system) {
    if (!Finite(state)) {
        return {};
    }
    switch (system) {
    case TLabSystem::Circular:
        return {TLabCurveKind::Circle, hypotl(state.x, state.y)};
    case TLabSystem::Linear:
        return {TLabCurveKind::Line, state.x};
    case TLabSystem::Hyperbolic:
        if (state.x <= fabsl(state.y)) {
            return {};
        }
        // (x - y)(x + y): no square that overflows, and exact where x and y are close.
        return {TLabCurveKind::Hyperbola, sqrtl((state.x - state.y) * (state.x + state.y))};
    }
    return {};
}

TLabPlane LabRunPlane(const TLabRun& run, TLabSystem system) {
    TLabPlane plane{0.0L, 0.0L, 0.0L, 0.0L};
    const auto hold = [&plane](long double x, long double y) {
        plane.left = std::min(plane.left, x);
        plane.right = std::max(plane.right, x);
        plane.bottom = std::min(plane.bottom, y);
        plane.top = std::max(plane.top, y);
    };
    for (const TLabState& state : run.states) {
        if (Finite(state)) {
            hold(state.x, state.y);
        }
    }
    if (!run.states.empty()) {
        if (const TLabCurve last = LabCurveThrough(run.states.back(), system);
            last.kind == TLabCurveKind::Circle || last.kind == TLabCurveKind::Hyperbola) {
            hold(last.size, 0.0L);
        }
    }
    // Halved before they are subtracted, so that sides near the largest extended stay finite.
    const long double halfWidth = plane.right / 2 - plane.left / 2;
    const long double halfHeight = plane.top / 2 - plane.bottom / 2;
    if (halfWidth == 0.0L && halfHeight == 0.0L) {
        return {};
    }
    const long double halfLarger = std::max(halfWidth, halfHeight);
    Widen(plane.left, plane.right, 2 * kLeastAspect * halfLarger);
    Widen(plane.bottom, plane.top, 2 * kLeastAspect * halfLarger);
    const long double margin = 2 * kPlaneMargin * halfLarger;
    return {plane.left - margin, plane.right + margin, plane.bottom - margin, plane.top + margin};
}

double PlaneAspect(const TLabPlane& plane) {
    return static_cast<double>((plane.right / 2 - plane.left / 2) /
                               (plane.top / 2 - plane.bottom / 2));
}

TLabPlane WithAspect(const TLabPlane& plane, long double aspect) {
    if (!(aspect > 0) || !std::isfinite(aspect)) {
        return plane;
    }
    TLabPlane grown = plane;
    const long double width = plane.right / 2 - plane.left / 2;
    const long double height = plane.top / 2 - plane.bottom / 2;
    Widen(grown.left, grown.right, 2 * height * aspect);
    Widen(grown.bottom, grown.top, 2 * width / aspect);
    return grown;
}

TViewPoint PlanePoint(const TLabPlane& plane, long double x, long double y) {
    const long double halfWidth = plane.right / 2 - plane.left / 2;
    const long double halfHeight = plane.top / 2 - plane.bottom / 2;
    return {(x / 2 - plane.left / 2) / halfWidth, (plane.top / 2 - y / 2) / halfHeight};
}

std::vector<TViewPoint> CurvePolyline(const TLabCurve& curve, const TLabPlane& plane, int samples) {
    std::vector<TViewPoint> points;
    switch (curve.kind) {
    case TLabCurveKind::None:
        break;
    case TLabCurveKind::Line:
        points = {PlanePoint(plane, curve.size, plane.bottom),
                  PlanePoint(plane, curve.size, plane.top)};
        break;
    case TLabCurveKind::Circle:
        for (int k = 0; k <= samples; ++k) {
            const long double u = kTwoPi * k / samples;
            points.push_back(PlanePoint(plane, curve.size * cosl(u), curve.size * sinl(u)));
        }
        break;
    case TLabCurveKind::Hyperbola: {
        // Between the heights at which the branch leaves the plane: its bottom and top, or the
        // right edge, which it crosses at y = +-sqrt(right^2 - r^2).
        if (plane.right <= curve.size) {
            break;
        }
        const long double edge = sqrtl((plane.right - curve.size) * (plane.right + curve.size));
        const long double from = asinhl(std::max(plane.bottom, -edge) / curve.size);
        const long double to = asinhl(std::min(plane.top, edge) / curve.size);
        for (int k = 0; k <= samples; ++k) {
            const long double u = from + (to - from) * k / samples;
            points.push_back(PlanePoint(plane, curve.size * coshl(u), curve.size * sinhl(u)));
        }
        break;
    }
    }
    return points;
}

std::vector<TViewSegment> Asymptotes(const TLabPlane& plane) {
    const long double reach = std::max({plane.right, plane.top, -plane.bottom});
    const TViewPoint origin = PlanePoint(plane, 0.0L, 0.0L);
    return {{origin, PlanePoint(plane, reach, reach)}, {origin, PlanePoint(plane, reach, -reach)}};
}

std::optional<TLabMove> LabMoveInto(const TLabRun& run, int index) {
    if (index < 1 || static_cast<std::size_t>(index) >= run.states.size()) {
        return std::nullopt;
    }
    const TLabState& before = run.states[static_cast<std::size_t>(index - 1)];
    const TLabState& after = run.states[static_cast<std::size_t>(index)];
    return TLabMove{before.i, before.sigma, before.shift, before.x, before.y, after.x, after.y};
}

std::string LabStateCaption(const TLabRun& run, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= run.states.size()) {
        return {};
    }
    const std::string state = "stav " + IntToStr(index);
    const auto move = LabMoveInto(run, index);
    if (!move) {
        return state + ": začiatok";
    }
    return state + ": po kroku " + IntToStr(move->step) + " (smer " +
           (move->sigma > 0 ? "+" : "\u2212") + ", posun " + IntToStr(move->shift) + ")";
}

std::vector<TLabTick> AxisTicks(long double from, long double to, int most) {
    most = std::max(most, 2);
    if (!(to > from) || !std::isfinite(to - from)) {
        return {};
    }
    // The least step that keeps the count at most: from the power of ten below the span / most.
    int exponent = static_cast<int>(floorl(log10l((to - from) / most)));
    constexpr std::array<int, 3> kMultiples = {1, 2, 5};
    for (;; ++exponent) {
        for (const int multiple : kMultiples) {
            const long double step = multiple * powl(10.0L, exponent);
            const long double first = ceill(from / step);
            const long double last = floorl(to / step);
            if (last - first + 1 > most) {
                continue;
            }
            std::vector<TLabTick> ticks;
            if (fabsl(first) > kLargestTickIndex || fabsl(last) > kLargestTickIndex) {
                return ticks;
            }
            for (auto k = static_cast<std::int64_t>(first); k <= static_cast<std::int64_t>(last);
                 ++k) {
                ticks.push_back(
                    {static_cast<long double>(k) * step, TickText(k * multiple, exponent)});
            }
            return ticks;
        }
    }
}
