#include "screen_fit.h"

#include <algorithm>

namespace {

// One axis: the frame's start in [areaStart, areaStart + areaLength - length], the lower bound
// winning when the frame is longer than the area.
int FitAxis(int start, int length, int areaStart, int areaLength) {
    const int last = areaStart + areaLength - length;
    return std::max(areaStart, std::min(start, last));
}

} // namespace

QPoint FitFrameOnScreen(const QRect& frame, const QRect& available) {
    return {FitAxis(frame.x(), frame.width(), available.x(), available.width()),
            FitAxis(frame.y(), frame.height(), available.y(), available.height())};
}
