#include "magnifier_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <utility>

long double ViewWidth(std::int32_t i) {
    const long double width = 4.0L * atanl(ldexpl(1.0L, -i));
    return std::max(width, kMinimumViewWidth);
}

TMagnifierView ViewOfRow(const TStepRows& rows, const TStepRow& row) {
    return {rows.Cos(), rows.Sin(), rows.Theta(), ViewWidth(row.i)};
}

TViewPoint ToView(const TMagnifierView& view, long double x, long double y) {
    return {0.5L + (x - view.centreX) / view.width, 0.5L - (y - view.centreY) / view.width};
}

bool InView(TViewPoint point) {
    return point.right >= 0.0L && point.right <= 1.0L && point.down >= 0.0L && point.down <= 1.0L;
}

namespace {

// The position of the point `along` widths from the target in the direction (cos, sin) of
// theta (negative: towards the origin).
TViewPoint AlongRay(const TMagnifierView& view, long double along) {
    return {0.5L + along * cosl(view.theta), 0.5L - along * sinl(view.theta)};
}

} // namespace

TViewSegment TargetRay(const TMagnifierView& view) {
    // The target lies on the unit circle: the origin is one plane unit back along the ray.
    const long double originAlong = -1.0L / view.width;
    return {AlongRay(view, std::max(originAlong, -1.0L)), AlongRay(view, 1.0L)};
}

std::array<TViewPoint, kArcSamples> ArcSamples(const TMagnifierView& view) {
    const long double reach = std::min(view.width, std::numbers::pi_v<long double>);
    std::array<TViewPoint, kArcSamples> samples;
    constexpr int kLast = kArcSamples - 1;
    for (int k = 0; k < kArcSamples; ++k) {
        // Symmetric about the middle sample, which is exactly d = 0.
        const long double d = reach * static_cast<long double>(2 * k - kLast) / kLast;
        const long double chord = 2.0L * sinl(d / 2.0L);
        const long double middle = view.theta + d / 2.0L;
        const long double dx = -chord * sinl(middle);
        const long double dy = chord * cosl(middle);
        samples[k] = {0.5L + dx / view.width, 0.5L - dy / view.width};
    }
    return samples;
}

std::optional<TViewSegment> ClipToView(const TViewSegment& segment) {
    const long double dRight = segment.to.right - segment.from.right;
    const long double dDown = segment.to.down - segment.from.down;
    long double enter = 0.0L;
    long double leave = 1.0L;
    // Each edge as p t <= q: the part of the segment on the view's side of it.
    const std::array<std::pair<long double, long double>, 4> edges{{
        {-dRight, segment.from.right},
        {dRight, 1.0L - segment.from.right},
        {-dDown, segment.from.down},
        {dDown, 1.0L - segment.from.down},
    }};
    for (const auto& [p, q] : edges) {
        if (p == 0.0L) {
            if (q < 0.0L) {
                return std::nullopt;
            }
            continue;
        }
        const long double t = q / p;
        if (p < 0.0L) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) {
        return std::nullopt;
    }
    const auto at = [&](long double t) {
        return TViewPoint{segment.from.right + t * dRight, segment.from.down + t * dDown};
    };
    return TViewSegment{at(enter), at(leave)};
}

std::vector<std::vector<TViewPoint>> ClipToView(std::span<const TViewPoint> points) {
    std::vector<std::vector<TViewPoint>> parts;
    bool open = false; // the last part goes on with the next segment
    for (std::size_t k = 1; k < points.size(); ++k) {
        const std::optional<TViewSegment> cut = ClipToView(TViewSegment{points[k - 1], points[k]});
        if (!cut) {
            open = false;
            continue;
        }
        if (!open) {
            parts.push_back({cut->from});
        }
        parts.back().push_back(cut->to);
        // The next segment joins on only where this one reached its own end inside the view.
        open = cut->to.right == points[k].right && cut->to.down == points[k].down;
    }
    return parts;
}

std::string ScaleLabel(long double width) {
    char digits[32];
    const auto converted =
        std::to_chars(digits, digits + sizeof digits, width, std::chars_format::scientific, 1);
    return "šírka: " + std::string(digits, converted.ptr);
}
