#include "screen_fit.h"

#include <algorithm>
#include <cmath>

namespace {

// One axis: the frame's start in [areaStart, areaStart + areaLength - length], the lower bound
// winning when the frame is longer than the area.
int FitAxis(int start, int length, int areaStart, int areaLength) {
    const int last = areaStart + areaLength - length;
    return std::max(areaStart, std::min(start, last));
}

TScreenRect Fitted(TScreenRect frame, const TScreenRect& available) {
    const TScreenPoint topLeft = FitFrameOnScreen(frame, available);
    frame.x = topLeft.x;
    frame.y = topLeft.y;
    return frame;
}

} // namespace

TScreenPoint FitFrameOnScreen(const TScreenRect& frame, const TScreenRect& available) {
    return {FitAxis(frame.x, frame.width, available.x, available.width),
            FitAxis(frame.y, frame.height, available.y, available.height)};
}

TScreenRect PlaceBeside(const TScreenRect& owner, TScreenSize wanted, int narrowest,
                        const TScreenRect& available) {
    const int width = std::min(wanted.width, available.width);
    const int height = std::min(wanted.height, available.height);
    const int rightStart = owner.End() + kGapBesideOwner;
    const int roomRight = available.End() - rightStart;
    const int roomLeft = owner.x - kGapBesideOwner - available.x;

    if (roomRight >= width) {
        return Fitted({rightStart, owner.y, width, height}, available);
    }
    if (roomLeft >= width) {
        return Fitted({owner.x - kGapBesideOwner - width, owner.y, width, height}, available);
    }
    if (std::max(roomRight, roomLeft) >= narrowest) {
        if (roomRight >= roomLeft) {
            return Fitted({rightStart, owner.y, roomRight, height}, available);
        }
        return Fitted({available.x, owner.y, roomLeft, height}, available);
    }
    return Fitted({rightStart, owner.y, width, height}, available);
}

TScreenSize ZoomedWindowSize(TScreenSize atDesign, double factor, TScreenSize frame,
                             const TScreenRect& available) {
    const auto zoomed = [factor](int length) {
        return static_cast<int>(std::lround(length * factor));
    };
    return {std::min(zoomed(atDesign.width), available.width - frame.width),
            std::min(zoomed(atDesign.height), available.height - frame.height)};
}
