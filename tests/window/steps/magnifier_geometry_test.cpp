#include "angle_input.h"
#include "cordic.h"
#include "magnifier_geometry.h"
#include "step_rows.h"
#include "whole_run_rows.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// A view of 240 pixels: positions closer than this to the centre share its pixel.
constexpr long double kPixel = 1.0L / 240;

TStepRows CompleteRun(long double theta) {
    return WholeRunRows(theta);
}

TMagnifierView ViewAtStep(const TStepRows& rows, int index) {
    return ViewOfRow(rows, rows.Row(index));
}

struct WidthCase {
    const char* name;
    int i;
    long double width;
};

void PrintTo(const WidthCase& c, std::ostream* os) {
    *os << c.name;
}

class ViewWidthTest : public testing::TestWithParam<WidthCase> {};

TEST_P(ViewWidthTest, IsFourTimesTheStepAngle) {
    const long double expected = GetParam().width;
    EXPECT_NEAR(static_cast<double>(ViewWidth(GetParam().i) / expected), 1.0, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(Steps, ViewWidthTest,
                         testing::Values(WidthCase{"FirstStepIsPi", 0, 3.14159265358979323846L},
                                         WidthCase{"SecondStep", 1, 1.85459043600322446486L},
                                         WidthCase{"LastStep", 53, 4.44089209850062616169e-16L},
                                         WidthCase{"ResultRow", 54, 2.22044604925031308085e-16L},
                                         WidthCase{"FarBeyondTheStepsHeldAt64UnitsOfOne", 80,
                                                   6.93889390390722837765e-18L}),
                         [](const auto& info) { return std::string(info.param.name); });

// Runs to these angles, with the direction of the target ray on the screen (right, down) from
// cos theta and -sin theta.
struct RunCase {
    const char* name;
    long double theta;
    long double rayRight;
    long double rayDown;
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class RunViewTest : public testing::TestWithParam<RunCase> {};

INSTANTIATE_TEST_SUITE_P(
    Angles, RunViewTest,
    testing::Values(RunCase{"Zero", 0.0L, 1.0L, 0.0L},
                    RunCase{"ThirtyDegrees", ParseAngle("30", kUnitDegrees).theta,
                            0.866025403784438646764L, -0.5L},
                    RunCase{"MinusOnePointTwoRadians", -1.2L, 0.362357754476673619029L,
                            0.932039085967226333578L},
                    RunCase{"NinetyDegrees", ParseAngle("90", kUnitDegrees).theta, 0.0L, -1.0L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(RunViewTest, EveryRowsTipLiesInsideItsView) {
    const TStepRows rows = CompleteRun(GetParam().theta);
    ASSERT_EQ(rows.Count(), 55u);
    for (const TStepRow& row : rows.Rows()) {
        const TViewPoint tip = ToView(ViewOfRow(rows, row), row.x, row.y);
        EXPECT_TRUE(InView(tip)) << "row " << row.i << " at (" << static_cast<double>(tip.right)
                                 << ", " << static_cast<double>(tip.down) << ")";
    }
}

TEST_P(RunViewTest, LastStepsTipIsResolvedAwayFromTheCentrePixel) {
    const TStepRows rows = CompleteRun(GetParam().theta);
    const TStepRow& last = rows.Row(53);
    const TViewPoint tip = ToView(ViewOfRow(rows, last), last.x, last.y);
    EXPECT_GT(std::hypot(tip.right - 0.5L, tip.down - 0.5L), 2 * kPixel);
}

// Near the centre the circle is the line through the target perpendicular to the ray: at the
// last step every sample inside the view has no component along the ray, and the samples cross
// the view from side to side.
TEST_P(RunViewTest, ArcAtTheLastStepIsTheLinePerpendicularToTheRay) {
    const TStepRows rows = CompleteRun(GetParam().theta);
    const long double rayRight = GetParam().rayRight;
    const long double rayDown = GetParam().rayDown;
    long double leftmost = 0.0L;
    long double rightmost = 0.0L;
    for (const TViewPoint& sample : ArcSamples(ViewAtStep(rows, 53))) {
        if (!InView(sample)) {
            continue;
        }
        const long double right = sample.right - 0.5L;
        const long double down = sample.down - 0.5L;
        EXPECT_NEAR(static_cast<double>(right * rayRight + down * rayDown), 0.0, 1e-12);
        const long double across = right * rayDown - down * rayRight;
        leftmost = std::min(leftmost, across);
        rightmost = std::max(rightmost, across);
    }
    EXPECT_LT(leftmost, -0.45L);
    EXPECT_GT(rightmost, 0.45L);
}

std::vector<std::pair<long double, long double>> Points(const std::vector<TViewPoint>& line) {
    std::vector<std::pair<long double, long double>> points;
    for (const TViewPoint& point : line) {
        points.emplace_back(point.right, point.down);
    }
    return points;
}

TEST(ClipToViewTest, CutsSegmentsAtTheViewsEdges) {
    using TPoints = std::vector<std::pair<long double, long double>>;
    const auto clipped = [](TViewPoint from, TViewPoint to) -> TPoints {
        const auto cut = ClipToView(TViewSegment{from, to});
        return cut ? Points({cut->from, cut->to}) : TPoints{};
    };
    EXPECT_EQ(clipped({0.25L, 0.25L}, {0.75L, 0.5L}), (TPoints{{0.25L, 0.25L}, {0.75L, 0.5L}}))
        << "inside: as it is";
    EXPECT_EQ(clipped({-0.5L, 0.5L}, {1.5L, 0.5L}), (TPoints{{0.0L, 0.5L}, {1.0L, 0.5L}}))
        << "across: cut at both edges";
    EXPECT_EQ(clipped({0.5L, 0.5L}, {0.5L, -1.5L}), (TPoints{{0.5L, 0.5L}, {0.5L, 0.0L}}))
        << "out at the top";
    EXPECT_EQ(clipped({1.5L, -0.5L}, {2.5L, 0.5L}), TPoints{}) << "beside the view";
}

TEST(ClipToViewTest, APolylineThatLeavesAndComesBackIsTwoParts) {
    const std::vector<TViewPoint> line{
        {0.5L, 0.5L}, {1.5L, 0.5L}, {1.5L, 0.75L}, {0.5L, 0.75L}, {0.25L, 0.75L}};
    const auto parts = ClipToView(line);
    ASSERT_EQ(parts.size(), 2u);
    using TPoints = std::vector<std::pair<long double, long double>>;
    EXPECT_EQ(Points(parts[0]), (TPoints{{0.5L, 0.5L}, {1.0L, 0.5L}}));
    EXPECT_EQ(Points(parts[1]), (TPoints{{1.0L, 0.75L}, {0.5L, 0.75L}, {0.25L, 0.75L}}));
}

TEST(ArcSamplesTest, AtTheFirstStepTheWholeUnitCircleAroundTheOrigin) {
    const TStepRows rows = CompleteRun(ParseAngle("30", kUnitDegrees).theta);
    // The view is pi wide: the origin at (0.5 - cos 30deg / pi, 0.5 + sin 30deg / pi), the
    // circle's radius 1 / pi.
    constexpr long double kOriginRight = 0.224335552289103975244L;
    constexpr long double kOriginDown = 0.659154943091895335769L;
    constexpr long double kRadius = 0.318309886183790671538L;
    const auto samples = ArcSamples(ViewAtStep(rows, 0));
    for (const TViewPoint& sample : samples) {
        const long double distance =
            std::hypot(sample.right - kOriginRight, sample.down - kOriginDown);
        EXPECT_NEAR(static_cast<double>(distance), static_cast<double>(kRadius), 1e-15);
    }
    // The ends meet opposite the target: the circle is closed.
    EXPECT_NEAR(static_cast<double>(samples.front().right - samples.back().right), 0.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(samples.front().down - samples.back().down), 0.0, 1e-15);
}

struct RayCase {
    const char* name;
    int step;
    TViewPoint from;
    TViewPoint to;
};

void PrintTo(const RayCase& c, std::ostream* os) {
    *os << c.name;
}

class TargetRayTest : public testing::TestWithParam<RayCase> {};

TEST_P(TargetRayTest, RunsThroughTheCentreAtThirtyDegrees) {
    const TStepRows rows = CompleteRun(ParseAngle("30", kUnitDegrees).theta);
    const TViewSegment ray = TargetRay(ViewAtStep(rows, GetParam().step));
    EXPECT_NEAR(static_cast<double>(ray.from.right), static_cast<double>(GetParam().from.right),
                1e-15);
    EXPECT_NEAR(static_cast<double>(ray.from.down), static_cast<double>(GetParam().from.down),
                1e-15);
    EXPECT_NEAR(static_cast<double>(ray.to.right), static_cast<double>(GetParam().to.right), 1e-15);
    EXPECT_NEAR(static_cast<double>(ray.to.down), static_cast<double>(GetParam().to.down), 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TargetRayTest,
    testing::Values(
        // The view is pi wide and holds the origin: the ray starts there.
        RayCase{"FirstStepStartsAtTheOrigin",
                0,
                {0.224335552289103975244L, 0.659154943091895335769L},
                {1.366025403784438646764L, 0.0L}},
        // The origin lies 2e15 widths away: the ray starts one width before the target.
        RayCase{"LastStepStartsOneWidthBeforeTheTarget",
                53,
                {-0.366025403784438646764L, 1.0L},
                {1.366025403784438646764L, 0.0L}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LabelCase {
    const char* name;
    long double width;
    const char* label;
};

void PrintTo(const LabelCase& c, std::ostream* os) {
    *os << c.name;
}

class ScaleLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(ScaleLabelTest, ShowsTwoSignificantDigits) {
    EXPECT_EQ(ScaleLabel(GetParam().width), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, ScaleLabelTest,
    testing::Values(LabelCase{"FirstStep", 3.14159265358979323846L, "šírka: 3.1e+00"},
                    LabelCase{"LastStep", 4.44089209850062616169e-16L, "šírka: 4.4e-16"},
                    LabelCase{"ResultRow", 2.22044604925031308085e-16L, "šírka: 2.2e-16"},
                    LabelCase{"RoundingCarriesIntoTheExponent", 9.96e-5L, "šírka: 1.0e-04"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
