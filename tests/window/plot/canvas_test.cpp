#include "canvas.h"
#include "raster_checks.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

constexpr TColor kBrush = 0x00C08040;
const QRgb kBrushRgb = qRgb(0x40, 0x80, 0xC0);
const QRgb kPenRgb = qRgb(255, 0, 0);

struct TCanvasFixture {
    explicit TCanvasFixture(int width, int height) : image(UntouchedImage(width, height)) {
        canvas.SetBrushColor(kBrush);
        canvas.SetPenColor(clRed);
    }
    QImage image;
    TCanvas canvas{image};
};

TEST(ColorToRgbTest, ExplicitColoursAreBlueGreenRed) {
    EXPECT_EQ(ColorToRgb(clBlack), qRgb(0, 0, 0));
    EXPECT_EQ(ColorToRgb(clRed), qRgb(255, 0, 0));
    EXPECT_EQ(ColorToRgb(clGreen), qRgb(0, 128, 0));
    EXPECT_EQ(ColorToRgb(0x00123456), qRgb(0x56, 0x34, 0x12));
}

TEST(ColorToRgbTest, SystemColoursComeFromTheApplicationPalette) {
    ASSERT_NE(qGuiApp, nullptr);
    EXPECT_EQ(ColorToRgb(clBtnFace), QGuiApplication::palette().color(QPalette::Button).rgb());
    EXPECT_EQ(ColorToRgb(clWindowText),
              QGuiApplication::palette().color(QPalette::WindowText).rgb());
}

// A box [x1, x2) x [y1, y2), corners in any order.
struct BoxCase {
    const char* name;
    int x1, y1, x2, y2;
    int Left() const { return std::min(x1, x2); }
    int Right() const { return std::max(x1, x2); }
    int Top() const { return std::min(y1, y2); }
    int Bottom() const { return std::max(y1, y2); }
    bool Contains(int x, int y) const {
        return x >= Left() && x < Right() && y >= Top() && y < Bottom();
    }
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

std::string BoxName(const testing::TestParamInfo<BoxCase>& info) {
    return info.param.name;
}

class RectangleTest : public testing::TestWithParam<BoxCase> {};

TEST_P(RectangleTest, OutlinesTheBoxRimAndFillsItsInside) {
    const BoxCase& box = GetParam();
    TCanvasFixture f(40, 30);
    f.canvas.Rectangle(box.x1, box.y1, box.x2, box.y2);
    for (int y = 0; y < f.image.height(); ++y) {
        for (int x = 0; x < f.image.width(); ++x) {
            const bool rim =
                x == box.Left() || x == box.Right() - 1 || y == box.Top() || y == box.Bottom() - 1;
            const QRgb expected = !box.Contains(x, y) ? kUntouched : rim ? kPenRgb : kBrushRgb;
            ASSERT_EQ(f.image.pixel(x, y), expected) << "at " << Describe({x, y});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, RectangleTest,
                         testing::Values(BoxCase{"Ordinary", 5, 6, 15, 12},
                                         BoxCase{"SwappedCorners", 15, 12, 5, 6},
                                         BoxCase{"OnePixel", 3, 3, 4, 4},
                                         BoxCase{"TwoByThree", 8, 8, 10, 11},
                                         BoxCase{"EmptyWidth", 5, 5, 5, 9},
                                         BoxCase{"OverTheTopLeftCorner", -5, -5, 5, 5},
                                         BoxCase{"RimOutsideTheImage", -1, -1, 41, 31}),
                         BoxName);

class EllipseTest : public testing::TestWithParam<BoxCase> {};

// The shape fills exactly its box's extent, mirrors about both centre lines, has no gaps in any
// row or column, and its outline (pen) is exactly its rim, closing the brush inside.
TEST_P(EllipseTest, IsASymmetricClosedShapeTouchingEverySideOfItsBox) {
    const BoxCase& box = GetParam();
    TCanvasFixture f(240, 240);
    f.canvas.Ellipse(box.x1, box.y1, box.x2, box.y2);
    const QImage& image = f.image;
    const auto drawn = [&](int x, int y) {
        return image.rect().contains(x, y) && image.pixel(x, y) != kUntouched;
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            if (!box.Contains(x, y)) {
                ASSERT_EQ(rgb, kUntouched) << "outside the box at " << Describe({x, y});
                continue;
            }
            ASSERT_EQ(rgb, image.pixel(box.Left() + box.Right() - 1 - x, y)) << Describe({x, y});
            ASSERT_EQ(rgb, image.pixel(x, box.Top() + box.Bottom() - 1 - y)) << Describe({x, y});
            if (rgb == kUntouched) {
                continue;
            }
            const bool onRim =
                !drawn(x - 1, y) || !drawn(x + 1, y) || !drawn(x, y - 1) || !drawn(x, y + 1);
            ASSERT_EQ(rgb, onRim ? kPenRgb : kBrushRgb) << "at " << Describe({x, y});
        }
    }
    for (int y = box.Top(); y < box.Bottom(); ++y) {
        int runs = 0;
        for (int x = box.Left(); x < box.Right(); ++x) {
            runs += drawn(x, y) && !drawn(x - 1, y) ? 1 : 0;
        }
        EXPECT_EQ(runs, 1) << "row " << y;
    }
    for (int x = box.Left(); x < box.Right(); ++x) {
        int runs = 0;
        for (int y = box.Top(); y < box.Bottom(); ++y) {
            runs += drawn(x, y) && !drawn(x, y - 1) ? 1 : 0;
        }
        EXPECT_EQ(runs, 1) << "column " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EllipseTest,
    testing::Values(BoxCase{"EvenCircle", 0, 0, 200, 200}, BoxCase{"OddCircle", 10, 10, 31, 31},
                    BoxCase{"WideEven", 3, 5, 103, 45}, BoxCase{"WideOdd", 3, 5, 104, 46},
                    BoxCase{"Tall", 50, 2, 71, 230}, BoxCase{"TwoWide", 7, 7, 9, 40},
                    BoxCase{"OneWide", 7, 7, 8, 40}, BoxCase{"OneHigh", 5, 9, 60, 10},
                    BoxCase{"OnePixel", 4, 4, 5, 5}, BoxCase{"TwoByTwo", 4, 4, 6, 6},
                    BoxCase{"SwappedCorners", 200, 150, 20, 30}),
    BoxName);

TEST(EllipseTest, EmptyBoxDrawsNothing) {
    TCanvasFixture f(20, 20);
    f.canvas.Ellipse(5, 5, 5, 15);
    f.canvas.Ellipse(5, 5, 15, 5);
    EXPECT_EQ(f.image, UntouchedImage(20, 20));
}

// The plot's circle: a one-pixel-thin closed curve within half a pixel of the radius 99.5
// around the box's centre (99.5, 99.5), the same under transposition.
TEST(EllipseTest, EvenCircleIsRoundAndThin) {
    TCanvasFixture f(200, 200);
    f.canvas.Ellipse(0, 0, 200, 200);
    const auto pen = [&](int x, int y) {
        return f.image.rect().contains(x, y) && f.image.pixel(x, y) == kPenRgb;
    };
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            ASSERT_EQ(pen(x, y), pen(y, x)) << Describe({x, y});
            if (!pen(x, y)) {
                continue;
            }
            EXPECT_NEAR(std::hypot(x - 99.5, y - 99.5), 99.5, 0.5) << Describe({x, y});
            int neighbours = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    neighbours += (dx != 0 || dy != 0) && pen(x + dx, y + dy) ? 1 : 0;
                }
            }
            EXPECT_EQ(neighbours, 2) << Describe({x, y});
        }
    }
}

struct LineCase {
    const char* name;
    QPoint from;
    QPoint to;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

// The Bresenham line from `from` to `to`, end point excluded, alone on an untouched image:
// one pixel per step along the major axis, each nearest the exact line, and nothing else.
testing::AssertionResult IsLineWithoutEndPoint(const QImage& image, QPoint from, QPoint to) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = std::max(std::abs(dx), std::abs(dy));
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            coloured += image.pixel(x, y) == kPenRgb ? 1 : 0;
        }
    }
    if (coloured != steps) {
        return testing::AssertionFailure() << coloured << " pixels coloured, " << steps << " steps";
    }
    const int sign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    for (int k = 0; k < steps; ++k) {
        const int major = (xMajor ? from.x() : from.y()) + sign * k;
        const double ideal = IdealMinor(from, to, major);
        int onThisStep = 0;
        const int extent = xMajor ? image.height() : image.width();
        for (int minor = 0; minor < extent; ++minor) {
            const QPoint p = xMajor ? QPoint(major, minor) : QPoint(minor, major);
            if (image.pixel(p) == kPenRgb) {
                ++onThisStep;
                if (std::abs(minor - ideal) > 0.5) {
                    return testing::AssertionFailure() << Describe(p) << " is off the line";
                }
            }
        }
        if (onThisStep != 1) {
            return testing::AssertionFailure() << onThisStep << " pixels at step " << k;
        }
    }
    return testing::AssertionSuccess();
}

class LineToTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineToTest, DrawsTheBresenhamLineWithoutItsEndPoint) {
    const LineCase& c = GetParam();
    TCanvasFixture f(64, 64);
    f.canvas.MoveTo(c.from.x(), c.from.y());
    f.canvas.LineTo(c.to.x(), c.to.y());
    EXPECT_TRUE(IsLineWithoutEndPoint(f.image, c.from, c.to));
    if (c.from != c.to) {
        EXPECT_EQ(f.image.pixel(c.from), kPenRgb);
        EXPECT_TRUE(LineEndsAt(f.image, c.from, c.to, kPenRgb));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Segments, LineToTest,
    testing::Values(
        LineCase{"Right", {10, 10}, {30, 10}}, LineCase{"Left", {30, 12}, {10, 12}},
        LineCase{"Down", {5, 3}, {5, 40}}, LineCase{"Up", {5, 40}, {5, 3}},
        LineCase{"Diagonal", {5, 5}, {25, 25}}, LineCase{"AntiDiagonal", {25, 5}, {5, 25}},
        LineCase{"ShallowRightDown", {3, 4}, {40, 17}}, LineCase{"ShallowLeftUp", {40, 17}, {3, 4}},
        LineCase{"ShallowRightUp", {3, 50}, {60, 31}},
        LineCase{"SteepRightDown", {20, 2}, {25, 57}}, LineCase{"SteepLeftUp", {25, 57}, {20, 2}},
        LineCase{"SteepLeftDown", {30, 1}, {11, 62}}, LineCase{"HalfwayTies", {0, 0}, {4, 1}},
        LineCase{"OneStep", {10, 10}, {11, 10}}, LineCase{"OneDiagonalStep", {10, 10}, {9, 11}},
        LineCase{"ToThePenPositionItself", {10, 10}, {10, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

// LineTo leaves the pen at its end point: in a closed polyline each corner is coloured as the
// start of the side leaving it.
TEST(LineToTest, ContinuesFromItsEndPoint) {
    TCanvasFixture f(64, 64);
    f.canvas.MoveTo(10, 10);
    f.canvas.LineTo(50, 20);
    EXPECT_NE(f.image.pixel(50, 20), kPenRgb);
    f.canvas.LineTo(30, 55);
    EXPECT_EQ(f.image.pixel(50, 20), kPenRgb);
    EXPECT_NE(f.image.pixel(30, 55), kPenRgb);
    f.canvas.LineTo(10, 10);
    EXPECT_EQ(f.image.pixel(30, 55), kPenRgb);
}

// What one drawing operation does to a part of the plane.
struct ClipCase {
    const char* name;
    enum { Rect, Ellipse, Line } shape;
    int x1, y1, x2, y2;
};

void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << c.name;
}

void DrawShape(TCanvas& canvas, const ClipCase& c, int offset) {
    switch (c.shape) {
    case ClipCase::Rect:
        canvas.Rectangle(c.x1 + offset, c.y1 + offset, c.x2 + offset, c.y2 + offset);
        break;
    case ClipCase::Ellipse:
        canvas.Ellipse(c.x1 + offset, c.y1 + offset, c.x2 + offset, c.y2 + offset);
        break;
    case ClipCase::Line:
        canvas.MoveTo(c.x1 + offset, c.y1 + offset);
        canvas.LineTo(c.x2 + offset, c.y2 + offset);
        break;
    }
}

class ClippingTest : public testing::TestWithParam<ClipCase> {};

// A shape reaching beyond a small image leaves on it exactly what it leaves on the same spot
// of an image large enough to hold it whole.
TEST_P(ClippingTest, KeepsThePixelsInsideTheImage) {
    constexpr int kOffset = 100;
    TCanvasFixture small(50, 40);
    TCanvasFixture large(250, 240);
    DrawShape(small.canvas, GetParam(), 0);
    DrawShape(large.canvas, GetParam(), kOffset);
    EXPECT_EQ(small.image, large.image.copy(kOffset, kOffset, 50, 40));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ClippingTest,
    testing::Values(ClipCase{"RectangleOverEverySide", ClipCase::Rect, -10, -10, 60, 50},
                    ClipCase{"RectangleOverTheLeftEdge", ClipCase::Rect, -20, 30, 10, 70},
                    ClipCase{"EllipseAroundTheImage", ClipCase::Ellipse, -30, -20, 80, 60},
                    ClipCase{"EllipseOverTheLeftEdge", ClipCase::Ellipse, -70, -10, 10, 50},
                    ClipCase{"EllipseOverTheBottomRight", ClipCase::Ellipse, 30, 25, 95, 77},
                    ClipCase{"LineAcross", ClipCase::Line, -50, -7, 90, 47},
                    ClipCase{"SteepLineAcross", ClipCase::Line, 12, -60, 30, 95},
                    ClipCase{"LineLeavingTheImage", ClipCase::Line, 25, 20, 130, -50},
                    ClipCase{"LineEnteringTheImage", ClipCase::Line, -80, 90, 20, 15},
                    ClipCase{"LineOutsideTheImage", ClipCase::Line, -30, -30, -5, 80}),
    [](const auto& info) { return std::string(info.param.name); });

// Coordinates at the ends of the int range draw only what reaches the image, at once.
TEST(HugeCoordinatesTest, ShapesAroundTheImageFillItWithTheBrush) {
    TCanvasFixture rectangle(20, 20);
    rectangle.canvas.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    TCanvasFixture ellipse(20, 20);
    ellipse.canvas.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    QImage brush(20, 20, QImage::Format_RGB32);
    brush.fill(kBrushRgb);
    EXPECT_EQ(rectangle.image, brush);
    EXPECT_EQ(ellipse.image, brush);
}

TEST(HugeCoordinatesTest, EllipseEdgeNearItsWidestRowIsAColumn) {
    TCanvasFixture f(20, 20);
    f.canvas.Ellipse(0, -(1 << 30), INT_MAX, 1 << 30);
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(f.image.pixel(0, y), kPenRgb) << y;
        for (int x = 1; x < 20; ++x) {
            EXPECT_EQ(f.image.pixel(x, y), kBrushRgb) << Describe({x, y});
        }
    }
}

TEST(HugeCoordinatesTest, LinesAcrossTheImageKeepTheirCourse) {
    TCanvasFixture diagonal(20, 20);
    diagonal.canvas.MoveTo(INT_MIN, INT_MIN);
    diagonal.canvas.LineTo(INT_MAX, INT_MAX);
    TCanvasFixture row(20, 20);
    row.canvas.MoveTo(INT_MIN, 3);
    row.canvas.LineTo(INT_MAX, 3);
    TCanvasFixture steep(20, 20);
    steep.canvas.MoveTo(5, INT_MIN);
    steep.canvas.LineTo(6, INT_MAX);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(diagonal.image.pixel(x, y) == kPenRgb, x == y) << Describe({x, y});
            EXPECT_EQ(row.image.pixel(x, y) == kPenRgb, y == 3) << Describe({x, y});
        }
        // Half way along, the steep line's exact course is a hair past x = 5.5.
        EXPECT_EQ(steep.image.pixel(6, y), kPenRgb) << y;
        EXPECT_EQ(steep.image.pixel(5, y), kUntouched) << y;
    }
    // The pen sits at the far end: a line from there back to the corner runs down column 0.
    TCanvasFixture back(20, 20);
    back.canvas.MoveTo(5, INT_MIN);
    back.canvas.LineTo(6, INT_MAX);
    back.canvas.LineTo(0, 0);
    EXPECT_EQ(back.image.pixel(0, 0), kUntouched);
    EXPECT_EQ(back.image.pixel(0, 1), kPenRgb);
}

} // namespace
