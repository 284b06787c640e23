#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

// Where a chart's labels go and which point lies under the mouse, free of the toolkit. Places are
// in the chart's pixels (design pixels: the painter's zoom does not enter), x to the right and
// y down.
//
// Labels. A chart's legend and notes go where no curve runs: each label has candidate boxes in
// the order the chart prefers them (the legend a corner, a note above or below its line), and
// takes the first that no curve crosses and no label placed before it covers. A curve crosses a
// box when one of its segments, the line between two consecutive points, passes through the box
// grown by the markers' radius (a marker is the segments' end). Where every candidate is crossed,
// the label takes the one that the fewest segments cross, the earlier on a tie: on a crowded chart
// a label covers as little as it can.
//
// Hover. The point under the mouse is the nearest point of any curve within the reach (the marker
// and a little more); on a tie the earlier curve's, and the earlier point's.

struct TChartPixel {
    double x = 0;
    double y = 0;
};

struct TChartBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

// One curve's points in drawing order; a line of one point is its marker alone.
using TChartLine = std::vector<TChartPixel>;

// The index of the candidate the label takes (as above); 0 when there are no candidates.
// `placed`: the boxes of the labels placed before, which no label may cover. `markerRadius` grows
// each candidate box.
std::size_t PlaceLabel(std::span<const TChartBox> candidates, std::span<const TChartLine> curves,
                       std::span<const TChartBox> placed, double markerRadius);

struct TChartHit {
    std::size_t curve = 0; // the index in the curves given
    std::size_t point = 0; // the index in that curve
};

// The point nearest to `at` within `reach` (its distance at most `reach`), as above.
std::optional<TChartHit> PointNear(std::span<const TChartLine> curves, TChartPixel at,
                                   double reach);
