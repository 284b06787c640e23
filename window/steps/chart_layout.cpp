#include "chart_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool Overlap(const TChartBox& a, const TChartBox& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool Inside(const TChartPixel& p, const TChartBox& box) {
    return p.x >= box.left && p.x <= box.Right() && p.y >= box.top && p.y <= box.Bottom();
}

// Whether the segment from `a` to `b` meets `box` (Liang-Barsky clipping: the part of the segment
// within each of the box's four half-planes).
bool Crosses(const TChartPixel& a, const TChartPixel& b, const TChartBox& box) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double enter = 0.0;
    double leave = 1.0;
    const auto clip = [&](double along, double room) {
        if (along == 0.0) {
            return room >= 0.0;
        }
        const double t = room / along;
        if (along < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        return enter <= leave;
    };
    return clip(-dx, a.x - box.left) && clip(dx, box.Right() - a.x) && clip(-dy, a.y - box.top) &&
           clip(dy, box.Bottom() - a.y);
}

std::size_t Crossings(const TChartBox& box, std::span<const TChartLine> curves) {
    std::size_t count = 0;
    for (const TChartLine& line : curves) {
        if (line.size() == 1 && Inside(line.front(), box)) {
            ++count;
        }
        for (std::size_t k = 1; k < line.size(); ++k) {
            count += Crosses(line[k - 1], line[k], box) ? 1 : 0;
        }
    }
    return count;
}

} // namespace

std::size_t PlaceLabel(std::span<const TChartBox> candidates, std::span<const TChartLine> curves,
                       std::span<const TChartBox> placed, double markerRadius) {
    std::size_t best = 0;
    std::size_t fewest = std::numeric_limits<std::size_t>::max();
    for (std::size_t index = 0; index < candidates.size(); ++index) {
        const TChartBox& candidate = candidates[index];
        const TChartBox grown{candidate.left - markerRadius, candidate.top - markerRadius,
                              candidate.width + 2 * markerRadius,
                              candidate.height + 2 * markerRadius};
        const bool covers = std::any_of(placed.begin(), placed.end(), [&](const TChartBox& box) {
            return Overlap(candidate, box);
        });
        // A box over a placed label counts as crossed by every segment there is.
        const std::size_t crossings =
            covers ? std::numeric_limits<std::size_t>::max() - 1 : Crossings(grown, curves);
        if (crossings == 0) {
            return index;
        }
        if (crossings < fewest) {
            fewest = crossings;
            best = index;
        }
    }
    return best;
}

std::optional<TChartHit> PointNear(std::span<const TChartLine> curves, TChartPixel at,
                                   double reach) {
    std::optional<TChartHit> hit;
    double nearest = reach;
    for (std::size_t curve = 0; curve < curves.size(); ++curve) {
        for (std::size_t point = 0; point < curves[curve].size(); ++point) {
            const TChartPixel& p = curves[curve][point];
            const double distance = std::hypot(p.x - at.x, p.y - at.y);
            if (distance < nearest || (distance == nearest && !hit)) {
                nearest = distance;
                hit = TChartHit{curve, point};
            }
        }
    }
    return hit;
}
