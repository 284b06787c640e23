#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

__extension__ using UInt128 = unsigned __int128;

// floor(sqrt(v)).
std::uint64_t ISqrt(std::uint64_t v) {
    auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(v)));
    while (UInt128{root} * root > v) {
        --root;
    }
    while (UInt128{root + 1} * (root + 1) <= v) {
        ++root;
    }
    return root;
}

// Boxes up to this doubled half size keep a²b² below 2^64, and the square roots below 2^32 are
// exact in double precision: the common case needs no 128-bit arithmetic.
constexpr std::uint64_t kSmallEllipseAxis = 0xFFFF;

// The ellipse of a box is worked out in doubled coordinates relative to the box's centre, so that
// boxes of even size, whose centre falls between pixels, stay in integers: a pixel column px of
// the box [left, right) has X = 2 px - (left + right - 1), from -a to a in steps of 2 with
// a = right - left - 1, and rows likewise with b. The ellipse is F(X, Y) = b²X² + a²Y² - a²b² = 0.
//
// A pixel belongs to the shape when it lies in the box and one of its two inner midpoints (half a
// pixel towards the centre horizontally or vertically, or the pixel itself on a centre line) has
// F <= 0: the midpoint-algorithm criterion. The shape's pixels with a horizontal or vertical
// neighbour outside it form the outline; the rest is the inside.

// The largest |X| of the shape's pixels in the row at doubled distance y (0 <= y <= b, same parity
// as b) from the centre row. Every row of the box holds at least the centre pixel or pair.
std::uint64_t EllipseRowExtent(std::uint64_t a, std::uint64_t b, std::uint64_t y) {
    if (b == 0) {
        return a;
    }
    // The largest X >= 0 with F(X, row) <= 0, for a row at doubled distance `row` <= b:
    // floor(sqrt(a²(b² - row²) / b²)).
    const auto reach = [a, b](std::uint64_t row) -> std::uint64_t {
        if (a <= kSmallEllipseAxis && b <= kSmallEllipseAxis) {
            const std::uint64_t v = a * a * (b * b - row * row) / (b * b);
            return static_cast<std::uint64_t>(std::sqrt(static_cast<double>(v)));
        }
        const UInt128 b2 = UInt128{b} * b;
        return ISqrt(static_cast<std::uint64_t>(UInt128{a} * a * (b2 - UInt128{row} * row) / b2));
    };
    const std::uint64_t byHorizontalMidpoint = reach(y) + 1;
    const std::uint64_t byVerticalMidpoint = reach(y > 0 ? y - 1 : 0);
    std::uint64_t extent = std::min(a, std::max(byHorizontalMidpoint, byVerticalMidpoint));
    if ((a - extent) % 2 != 0) {
        --extent;
    }
    return extent;
}

// The image's pixels for one drawing operation, reached without a check per pixel.
struct TPixels {
    explicit TPixels(QImage& image)
        : bits(reinterpret_cast<QRgb*>(image.bits())),
          stride(image.bytesPerLine() / static_cast<std::int64_t>(sizeof(QRgb))),
          width(image.width()), height(image.height()) {}

    // Sets the pixels xFirst .. xLast of row y, as far as they lie in the image.
    void FillSpan(std::int64_t y, std::int64_t xFirst, std::int64_t xLast, QRgb rgb) const {
        if (y < 0 || y >= height) {
            return;
        }
        xFirst = std::max<std::int64_t>(xFirst, 0);
        xLast = std::min(xLast, width - 1);
        if (xFirst <= xLast) {
            std::fill(bits + y * stride + xFirst, bits + y * stride + xLast + 1, rgb);
        }
    }
    void SetPixel(std::int64_t x, std::int64_t y, QRgb rgb) const { FillSpan(y, x, x, rgb); }

    QRgb* bits;
    std::int64_t stride;
    std::int64_t width;
    std::int64_t height;
};

// A box's corners put in order, widened so that no coordinate arithmetic can overflow.
struct TBox {
    std::int64_t left, top, right, bottom;
};

TBox OrderedBox(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

} // namespace

TCanvas::TCanvas(QImage& image) : image_(image), brush_(qRgb(255, 255, 255)), pen_(qRgb(0, 0, 0)) {}

void TCanvas::SetBrushColor(TColor color) {
    brush_ = ColorToRgb(color);
}

void TCanvas::SetPenColor(TColor color) {
    pen_ = ColorToRgb(color);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const auto [left, top, right, bottom] = OrderedBox(x1, y1, x2, y2);
    if (left == right || top == bottom) {
        return;
    }
    const TPixels pixels(image_);
    const std::int64_t firstRow = std::max<std::int64_t>(top, 0);
    const std::int64_t lastRow = std::min(bottom, pixels.height) - 1;
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        if (y == top || y == bottom - 1) {
            pixels.FillSpan(y, left, right - 1, pen_);
        } else {
            pixels.SetPixel(left, y, pen_);
            pixels.FillSpan(y, left + 1, right - 2, brush_);
            pixels.SetPixel(right - 1, y, pen_);
        }
    }
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const auto [left, top, right, bottom] = OrderedBox(x1, y1, x2, y2);
    if (left == right || top == bottom) {
        return;
    }
    const auto a = static_cast<std::uint64_t>(right - left - 1);
    const auto b = static_cast<std::uint64_t>(bottom - top - 1);
    const std::int64_t centreX2 = left + right - 1; // the doubled centre column
    const std::int64_t centreY2 = top + bottom - 1;
    const auto innermost = static_cast<std::int64_t>(a % 2);

    const TPixels pixels(image_);
    const std::int64_t firstRow = std::max<std::int64_t>(top, 0);
    const std::int64_t lastRow = std::min(bottom, pixels.height) - 1;
    if (firstRow > lastRow) {
        return;
    }
    // The extents of the visible rows and of their neighbours in the box, each worked out once.
    const std::int64_t firstKnown = std::max(firstRow - 1, top);
    const std::int64_t lastKnown = std::min(lastRow + 1, bottom - 1);
    std::vector<std::int64_t> extents;
    extents.reserve(static_cast<std::size_t>(lastKnown - firstKnown + 1));
    for (std::int64_t py = firstKnown; py <= lastKnown; ++py) {
        const auto y = static_cast<std::uint64_t>(std::abs(2 * py - centreY2));
        extents.push_back(static_cast<std::int64_t>(EllipseRowExtent(a, b, y)));
    }
    const auto extentOfRow = [&](std::int64_t py) {
        return extents[static_cast<std::size_t>(py - firstKnown)];
    };

    for (std::int64_t py = firstRow; py <= lastRow; ++py) {
        const std::int64_t distance = 2 * py - centreY2;
        const std::int64_t outer = extentOfRow(py);
        // The outline runs inwards until it meets the reach of the next row outwards; the box's
        // top and bottom rows are outline throughout.
        const std::int64_t inner =
            py == top || py == bottom - 1
                ? innermost
                : std::min(outer, extentOfRow(distance < 0 ? py - 1 : py + 1) + 2);
        pixels.FillSpan(py, (centreX2 - outer) / 2, (centreX2 - inner) / 2, pen_);
        pixels.FillSpan(py, (centreX2 - inner) / 2 + 1, (centreX2 + inner) / 2 - 1, brush_);
        pixels.FillSpan(py, (centreX2 + inner) / 2, (centreX2 + outer) / 2, pen_);
    }
}

void TCanvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void TCanvas::LineTo(int x, int y) {
    const std::int64_t dx = std::int64_t{x} - penX_;
    const std::int64_t dy = std::int64_t{y} - penY_;
    const std::int64_t startX = penX_;
    const std::int64_t startY = penY_;
    MoveTo(x, y);

    // The line steps one pixel along its major axis per pixel drawn and takes the minor offset
    // nearest to the exact line, halves rounded towards the start: floor((2k·|dn| + |dm| - 1) /
    // (2|dm|)) at step k. Only the steps over the image are walked.
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t majorStart = xMajor ? startX : startY;
    const std::int64_t minorStart = xMajor ? startY : startX;
    const std::int64_t majorDelta = xMajor ? dx : dy;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const TPixels pixels(image_);
    const std::int64_t majorLimit = xMajor ? pixels.width : pixels.height;
    const std::int64_t minorLimit = xMajor ? pixels.height : pixels.width;
    const std::int64_t majorSign = majorDelta > 0 ? 1 : -1;
    const std::int64_t minorSign = minorDelta > 0 ? 1 : -1;
    const auto majorLength = static_cast<std::uint64_t>(std::abs(majorDelta));
    const auto minorLength = static_cast<std::uint64_t>(std::abs(minorDelta));
    if (majorLength == 0) {
        return;
    }

    // Steps k = 0 .. majorLength - 1; the end point (k = majorLength) is not drawn.
    const std::int64_t lastStep = static_cast<std::int64_t>(majorLength) - 1;
    std::int64_t firstVisible = 0;
    std::int64_t lastVisible = lastStep;
    if (majorSign > 0) {
        firstVisible = std::max<std::int64_t>(0, -majorStart);
        lastVisible = std::min(lastStep, majorLimit - 1 - majorStart);
    } else {
        firstVisible = std::max<std::int64_t>(0, majorStart - (majorLimit - 1));
        lastVisible = std::min(lastStep, majorStart);
    }
    if (firstVisible > lastVisible) {
        return;
    }

    const std::uint64_t divisor = 2 * majorLength;
    const UInt128 numerator =
        UInt128{static_cast<std::uint64_t>(firstVisible)} * (2 * minorLength) + (majorLength - 1);
    auto offset = static_cast<std::int64_t>(numerator / divisor);
    auto remainder = static_cast<std::uint64_t>(numerator % divisor);
    for (std::int64_t k = firstVisible; k <= lastVisible; ++k) {
        const std::int64_t major = majorStart + majorSign * k;
        const std::int64_t minor = minorStart + minorSign * offset;
        if (minor >= 0 && minor < minorLimit) {
            if (xMajor) {
                pixels.SetPixel(major, minor, pen_);
            } else {
                pixels.SetPixel(minor, major, pen_);
            }
        }
        remainder += 2 * minorLength;
        if (remainder >= divisor) {
            remainder -= divisor;
            ++offset;
        }
    }
}
