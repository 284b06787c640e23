#include "step_view_layout.h"

#include <algorithm>
#include <cmath>

namespace {

// The width the vector plot uses at `height`, and the height it uses at `width`.
int PlotWidthAt(int height, const TStepViewParts& parts) {
    const double region = std::max(0, height - parts.plotFixedHeight);
    return std::max(parts.plotCaptionWidth,
                    static_cast<int>(std::lround(region * parts.plotAspect)) +
                        parts.plotFixedWidth);
}

int PlotHeightAt(int width, const TStepViewParts& parts) {
    const double region = std::max(0, width - parts.plotFixedWidth);
    return static_cast<int>(std::lround(region / parts.plotAspect)) + parts.plotFixedHeight;
}

// The charts' least height: side by side the higher one's, else both with a gap.
int ChartsLeastHeight(bool sideBySide, const TStepViewParts& parts) {
    return sideBySide ? std::max(parts.chartLeastHeight, parts.magnifierLeastHeight)
                      : parts.chartLeastHeight + parts.gap + parts.magnifierLeastHeight;
}

void ArrangeBeside(TStepViewRoom room, const TStepViewParts& parts, TStepViewArrangement& out) {
    const int lessonLeastWidth = std::max(parts.plotLeastWidth, parts.controlsWidth);
    const int chartsLeast = ChartsLeastHeight(out.chartsSideBySide, parts);
    out.chartsHeight =
        std::max(chartsLeast, static_cast<int>(std::lround(room.height * kChartsShare)));
    const int topLeast =
        std::max(parts.tableLeastHeight, parts.plotLeastHeight + parts.controlsHeightBelow);
    out.topHeight = std::max(topLeast, room.height - parts.gap - out.chartsHeight);

    const int across = room.width - parts.gap;
    const int plotWants = PlotWidthAt(out.topHeight - parts.controlsHeightBelow, parts);
    out.lessonWidth =
        std::max(lessonLeastWidth, std::min(plotWants, across - parts.tableLeastWidth));
    out.tableWidth = std::max(parts.tableLeastWidth, across - out.lessonWidth);
    if (out.tableWidth > parts.tableWholeWidth) {
        out.lessonWidth += out.tableWidth - parts.tableWholeWidth;
        out.tableWidth = parts.tableWholeWidth;
    }
    out.lessonHeight = out.topHeight;
    out.tableHeight = out.topHeight;
}

void ArrangeStacked(TStepViewRoom room, const TStepViewParts& parts, TStepViewArrangement& out) {
    out.controlsBeside = parts.plotLeastWidth + parts.gap + parts.controlsWidth <= room.width;
    const int plotWidth =
        out.controlsBeside ? room.width - parts.gap - parts.controlsWidth : room.width;
    const int below = out.controlsBeside ? 0 : parts.controlsHeightBelow + parts.gap;
    const int lessonLeast = out.controlsBeside
                                ? std::max(parts.plotLeastHeight, parts.controlsHeightBeside)
                                : parts.plotLeastHeight + below;
    const int lessonUses = std::max(lessonLeast, PlotHeightAt(plotWidth, parts) + below);
    out.lessonHeight =
        std::clamp(room.height - parts.gap - parts.tableLeastHeight, lessonLeast, lessonUses);
    out.tableHeight = std::max(parts.tableLeastHeight, room.height - parts.gap - out.lessonHeight);
    out.topHeight = out.lessonHeight + parts.gap + out.tableHeight;
    out.chartsHeight = ChartsLeastHeight(out.chartsSideBySide, parts);
    out.lessonWidth = room.width;
    out.tableWidth = room.width;
}

} // namespace

TStepViewArrangement ArrangeStepView(TStepViewRoom room, const TStepViewParts& parts) {
    TStepViewArrangement out;
    out.chartsSideBySide =
        parts.chartLeastWidth + parts.gap + parts.magnifierLeastWidth <= room.width;
    const int lessonLeastWidth = std::max(parts.plotLeastWidth, parts.controlsWidth);
    out.stacked = parts.tableLeastWidth + parts.gap + lessonLeastWidth > room.width;
    if (out.stacked) {
        ArrangeStacked(room, parts, out);
    } else {
        ArrangeBeside(room, parts, out);
    }
    return out;
}
