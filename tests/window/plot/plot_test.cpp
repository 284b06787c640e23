#include "angle_input.h"
#include "cordic.h"
#include "plot.h"
#include "raster_checks.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The design size of the plot and its centre.
constexpr int kSize = 200;
constexpr int kHalf = 100;
const QPoint kCentre(kHalf, kHalf);

// Asked of the palette only once the application exists.
QRgb Background() {
    return ColorToRgb(clBtnFace);
}
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(0, 128, 0);
const QRgb kRed = qRgb(255, 0, 0);

const long double kThirtyDegrees = ParseAngle("30", kUnitDegrees).theta;

std::vector<TCordicStep> RunSteps(long double theta) {
    std::vector<TCordicStep> steps;
    CordicRotate(theta, [&](const TCordicStep& step) { steps.push_back(step); });
    return steps;
}

struct TPlot {
    explicit TPlot(int width = kSize, int height = kSize) : image(UntouchedImage(width, height)) {
        ClearPlot(canvas, width, height);
    }
    void Frame(long double theta, const TCordicStep& step) {
        DrawStepFrame(canvas, theta, step.x, step.y, kHalf, kHalf);
    }
    // A frame whose red vector has no length, leaving the green radius in view.
    void FrameWithoutVector(long double theta) { DrawStepFrame(canvas, theta, 0, 0, kHalf, kHalf); }

    QImage image;
    TCanvas canvas{image};
};

struct SizeCase {
    int width, height;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height;
}

class ClearPlotTest : public testing::TestWithParam<SizeCase> {};

TEST_P(ClearPlotTest, FillsEveryPixelWithTheBackgroundAndDrawsNoFrame) {
    const TPlot plot(GetParam().width, GetParam().height);
    QImage expected(GetParam().width, GetParam().height, QImage::Format_RGB32);
    expected.fill(Background());
    EXPECT_EQ(plot.image, expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ClearPlotTest,
                         testing::Values(SizeCase{kSize, kSize}, SizeCase{37, 23}, SizeCase{1, 1}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

TEST(DrawStepFrameTest, CircleAndAxesStayInsideTheirBoxesEndPointsExcluded) {
    TPlot plot(kSize + 10, kSize + 10);
    plot.FrameWithoutVector(kHalfPiDouble / 2);
    const QImage& image = plot.image;
    for (int i = 0; i < kSize + 10; ++i) {
        for (int j = kSize; j < kSize + 10; ++j) {
            ASSERT_EQ(image.pixel(i, j), Background()) << Describe({i, j});
            ASSERT_EQ(image.pixel(j, i), Background()) << Describe({j, i});
        }
    }
    // The axes: from (0, 100) and (100, 0) to just before (200, 100) and (100, 200).
    for (const QPoint p : {QPoint(0, kHalf), QPoint(kSize - 1, kHalf), QPoint(kHalf, 0),
                           QPoint(kHalf, kSize - 1), QPoint(kHalf, 1)}) {
        EXPECT_EQ(image.pixel(p), kBlack) << Describe(p);
    }
    // The circle touches all four sides of the box [0, 200) x [0, 200), symmetrically.
    for (const QPoint p : {QPoint(kHalf - 1, 0), QPoint(0, kHalf - 1), QPoint(kSize - 1, kHalf - 1),
                           QPoint(kHalf - 1, kSize - 1)}) {
        EXPECT_EQ(image.pixel(p), kBlack) << Describe(p);
    }
}

struct GreenCase {
    const char* name;
    long double theta;
    QPoint end;
};

void PrintTo(const GreenCase& c, std::ostream* os) {
    *os << c.name;
}

class GreenRadiusTest : public testing::TestWithParam<GreenCase> {};

TEST_P(GreenRadiusTest, RunsFromTheCentreToTheTargetPoint) {
    TPlot plot(kSize + 1, kSize + 1);
    plot.FrameWithoutVector(GetParam().theta);
    EXPECT_EQ(plot.image.pixel(kCentre), kGreen);
    EXPECT_TRUE(LineEndsAt(plot.image, kCentre, GetParam().end, kGreen));
}

INSTANTIATE_TEST_SUITE_P(
    Angles, GreenRadiusTest,
    testing::Values(GreenCase{"Zero", 0.0L, {200, 100}},
                    GreenCase{"LargestAngle", kHalfPiDouble, {100, 0}},
                    GreenCase{"SmallestAngle", -kHalfPiDouble, {100, 200}},
                    GreenCase{"ThirtyDegrees", kThirtyDegrees, {186, 50}},
                    // Negative angles leave the axis row only from -asin(1/100) = -0.01000017.
                    GreenCase{"SmallNegativeStaysOnTheAxisRow", -0.005L, {199, 100}},
                    GreenCase{"JustAboveTheRowBoundary", -0.0100L, {199, 100}},
                    GreenCase{"JustBelowTheRowBoundary", -0.0101L, {199, 101}},
                    GreenCase{"SmallPositiveLeavesTheRowAtOnce", 0.001L, {199, 99}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RedCase {
    int step;
    QPoint end;
};

void PrintTo(const RedCase& c, std::ostream* os) {
    *os << "step " << c.step;
}

class RedVectorTest : public testing::TestWithParam<RedCase> {};

TEST_P(RedVectorTest, ThirtyDegreeRunEndsWhereTheStepStatePoints) {
    const std::vector<TCordicStep> steps = RunSteps(kThirtyDegrees);
    TPlot plot;
    plot.Frame(kThirtyDegrees, steps.at(GetParam().step));
    EXPECT_EQ(plot.image.pixel(kCentre), kRed);
    EXPECT_TRUE(LineEndsAt(plot.image, kCentre, GetParam().end, kRed));
}

INSTANTIATE_TEST_SUITE_P(Steps, RedVectorTest,
                         testing::Values(RedCase{0, {160, 100}}, RedCase{1, {160, 39}},
                                         RedCase{2, {191, 69}}, RedCase{3, {183, 46}},
                                         RedCase{4, {190, 57}}, RedCase{5, {187, 51}}),
                         [](const auto& info) { return "Step" + std::to_string(info.param.step); });

struct RunCase {
    const char* name;
    long double theta;
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class WholeRunTest : public testing::TestWithParam<RunCase> {};

// After all the frames of a run the plot is the last frame alone, and nothing outside the
// circle -- in particular none of the four corners -- has been drawn on.
TEST_P(WholeRunTest, ShowsTheLastFrameAndLeavesTheCornersAlone) {
    const long double theta = GetParam().theta;
    const std::vector<TCordicStep> steps = RunSteps(theta);
    TPlot run;
    for (const TCordicStep& step : steps) {
        run.Frame(theta, step);
    }
    TPlot lastFrameOnly;
    lastFrameOnly.Frame(theta, steps.back());
    EXPECT_EQ(run.image, lastFrameOnly.image);

    // Outside the circle: left and right of its outline, drawn alone in black.
    TPlot circle;
    circle.canvas.Ellipse(0, 0, kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; circle.image.pixel(x, y) != kBlack; ++x) {
            ASSERT_EQ(run.image.pixel(x, y), Background()) << Describe({x, y});
        }
        for (int x = kSize - 1; circle.image.pixel(x, y) != kBlack; --x) {
            ASSERT_EQ(run.image.pixel(x, y), Background()) << Describe({x, y});
        }
    }
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(kSize - 1, 0), QPoint(0, kSize - 1), QPoint(kSize - 1, kSize - 1)}) {
        EXPECT_EQ(run.image.pixel(corner), Background()) << Describe(corner);
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, WholeRunTest,
                         testing::Values(RunCase{"ThirtyDegrees", kThirtyDegrees},
                                         RunCase{"MinusThirtyDegrees", -kThirtyDegrees},
                                         RunCase{"LargestAngle", kHalfPiDouble},
                                         RunCase{"SmallestAngle", -kHalfPiDouble},
                                         RunCase{"FortyFiveDegrees", kHalfPiDouble / 2},
                                         RunCase{"MinusFortyFiveDegrees", -kHalfPiDouble / 2},
                                         RunCase{"OneRadian", 1.0L},
                                         RunCase{"MinusOneRadian", -1.0L}, RunCase{"Tiny", 0.001L},
                                         RunCase{"Zero", 0.0L}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
