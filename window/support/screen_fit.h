#pragma once

#include <span>

// Where windows go on the screen, free of the toolkit: rectangles in the screen's pixels with
// the frame (title bar and borders) included, as the window system reports them.

struct TScreenSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const TScreenSize&, const TScreenSize&) = default;
};

struct TScreenPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const TScreenPoint&, const TScreenPoint&) = default;
};

// `x`, `y`: the top-left pixel; the rectangle ends before x + width and y + height.
struct TScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int End() const { return x + width; }     // the first column right of the rectangle
    int Bottom() const { return y + height; } // the first row below it

    friend bool operator==(const TScreenRect&, const TScreenRect&) = default;
};

// Where a window's frame goes so that it stands on the screen's available area: where it is when
// it fits there, otherwise moved just enough to fit, along each axis. A frame larger than the
// area keeps its top-left corner on the area (the title bar and the first controls stay
// reachable) and runs off at the right or bottom.
TScreenPoint FitFrameOnScreen(const TScreenRect& frame, const TScreenRect& available);

// The room left between an owner window's frame and a window placed beside it.
inline constexpr int kGapBesideOwner = 8;

// The frame of a second window opened beside its owner, so that a lesson sees both:
//  1. the wanted size, cut to the available area where it is larger (a small screen, or a
//     projector's scale);
//  2. to the right of the owner, top edges aligned, when the room there takes that width;
//  3. else to the left of the owner, when the room there takes it;
//  4. else on the wider of the two sides, narrowed to its room, when that room is at least
//     `narrowest` (the narrowest the window still shows its content whole);
//  5. else over the owner, as far right as the screen allows: the window may cover its owner.
// In every case the frame is then moved just enough to stand on the available area
// (FitFrameOnScreen), so it is entirely on screen.
TScreenRect PlaceBeside(const TScreenRect& owner, TScreenSize wanted, int narrowest,
                        const TScreenRect& available);

// The frame of a window opened beside its owner while the owner's other windows (`others`, the
// step view beside the laboratory) stand on the screen too, so that the new one covers them as
// little as it can: PlaceBeside's frame when it covers none of them; else, at that frame's size,
// the place on the available area that covers the least, counting what it covers of an other
// window twice what it covers of the owner (whose top, its input row, stays in view where it
// can), among the places aligned with the area's edges and with the edges of the owner and the
// others; on a tie the one nearest to PlaceBeside's. With no others, PlaceBeside's frame.
TScreenRect PlaceClear(const TScreenRect& owner, std::span<const TScreenRect> others,
                       TScreenSize wanted, int narrowest, const TScreenRect& available);

// The size inside the frame of a window zoomed by `factor` (1 to 3) from `atDesign`, its size at
// 100 %: that size times the factor, so that every part keeps its share of the window, but no
// larger than the available area leaves inside the frame (`frame`: the title bar and borders).
TScreenSize ZoomedWindowSize(TScreenSize atDesign, double factor, TScreenSize frame,
                             const TScreenRect& available);
