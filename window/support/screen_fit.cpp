#include "screen_fit.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>
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

namespace {

std::int64_t Overlap(const TScreenRect& a, const TScreenRect& b) {
    const std::int64_t width = std::min(a.End(), b.End()) - std::max(a.x, b.x);
    const std::int64_t height = std::min(a.Bottom(), b.Bottom()) - std::max(a.y, b.y);
    return width > 0 && height > 0 ? width * height : 0;
}

// What a frame at `at` covers: of an other window twice what it covers of the owner.
std::int64_t Covered(const TScreenRect& at, const TScreenRect& owner,
                     std::span<const TScreenRect> others) {
    std::int64_t covered = Overlap(at, owner);
    for (const TScreenRect& other : others) {
        covered += 2 * Overlap(at, other);
    }
    return covered;
}

// The starts along one axis that line a frame of `length` up with a window's edges, or put it
// just before or after the window.
void AddStarts(std::vector<int>& starts, int start, int end, int length) {
    starts.push_back(start);
    starts.push_back(end - length);
    starts.push_back(end + kGapBesideOwner);
    starts.push_back(start - kGapBesideOwner - length);
}

} // namespace

TScreenRect PlaceClear(const TScreenRect& owner, std::span<const TScreenRect> others,
                       TScreenSize wanted, int narrowest, const TScreenRect& available) {
    const TScreenRect beside = PlaceBeside(owner, wanted, narrowest, available);
    if (Covered(beside, owner, others) == Overlap(beside, owner)) {
        return beside; // it covers none of the others
    }
    std::vector<int> lefts{available.x, available.End() - beside.width};
    std::vector<int> tops{available.y, available.Bottom() - beside.height};
    std::vector<TScreenRect> windows{owner};
    windows.insert(windows.end(), others.begin(), others.end());
    for (const TScreenRect& window : windows) {
        AddStarts(lefts, window.x, window.End(), beside.width);
        AddStarts(tops, window.y, window.Bottom(), beside.height);
    }
    TScreenRect best = beside;
    std::int64_t bestCovered = Covered(beside, owner, others);
    long bestDistance = 0;
    for (const int left : lefts) {
        for (const int top : tops) {
            const TScreenRect at = Fitted({left, top, beside.width, beside.height}, available);
            const std::int64_t covered = Covered(at, owner, others);
            const long distance = std::labs(static_cast<long>(at.x) - beside.x) +
                                  std::labs(static_cast<long>(at.y) - beside.y);
            if (covered < bestCovered || (covered == bestCovered && distance < bestDistance)) {
                best = at;
                bestCovered = covered;
                bestDistance = distance;
            }
        }
    }
    return best;
}
