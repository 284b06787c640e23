#include "chart_layout.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A plot of 100 x 100 pixels with a curve across its middle in two segments, and candidate boxes
// along its top and bottom edges and over one or both of the segments.
const std::vector<TChartLine> kAcross{{{0, 50}, {50, 50}, {100, 50}}};
constexpr TChartBox kTop{0, 0, 100, 20};
constexpr TChartBox kBottom{0, 80, 100, 20};
constexpr TChartBox kOverBoth{10, 40, 80, 20};
constexpr TChartBox kOverRight{60, 40, 30, 20};

struct TPlaceCase {
    const char* name;
    std::vector<TChartBox> candidates;
    std::vector<TChartLine> curves;
    std::vector<TChartBox> placed;
    double markerRadius;
    std::size_t expected;
};

void PrintTo(const TPlaceCase& c, std::ostream* os) {
    *os << c.name;
}

class PlaceLabelTest : public testing::TestWithParam<TPlaceCase> {};

TEST_P(PlaceLabelTest, TakesTheFirstFreeCandidateElseTheLeastCrossed) {
    const TPlaceCase& c = GetParam();
    EXPECT_EQ(PlaceLabel(c.candidates, c.curves, c.placed, c.markerRadius), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, PlaceLabelTest,
    testing::Values(
        TPlaceCase{"FirstFree", {kTop, kBottom}, kAcross, {}, 2.5, 0},
        TPlaceCase{"SkipsACrossedOne", {kOverBoth, kBottom}, kAcross, {}, 2.5, 1},
        TPlaceCase{
            "AllCrossedTakesTheFewestCrossings", {kOverBoth, kOverRight}, kAcross, {}, 2.5, 1},
        TPlaceCase{
            "KeepsOffALabelPlacedBefore", {kTop, kBottom}, kAcross, {{80, 10, 40, 20}}, 2.5, 1},
        TPlaceCase{"ALonePointIsACurve", {kTop, kBottom}, {{{50, 10}}}, {}, 2.5, 1},
        TPlaceCase{"AMarkerJustOutsideTheBoxReachesIn",
                   {kTop, kBottom},
                   {{{0, 22}, {100, 22}}},
                   {},
                   2.5,
                   1},
        TPlaceCase{"ALineJustOutsideWithoutMarkersLeavesItFree",
                   {kTop, kBottom},
                   {{{0, 22}, {100, 22}}},
                   {},
                   0.0,
                   0}),
    [](const auto& info) { return std::string(info.param.name); });

struct THoverCase {
    const char* name;
    TChartPixel at;
    std::optional<std::size_t> curve;
    std::size_t point;
};

void PrintTo(const THoverCase& c, std::ostream* os) {
    *os << c.name;
}

class PointNearTest : public testing::TestWithParam<THoverCase> {};

// Two curves: one along y = 0, one point at (10, 1); the mouse reaches 3 pixels.
TEST_P(PointNearTest, FindsTheNearestPointWithinReach) {
    const std::vector<TChartLine> curves{{{0, 0}, {10, 0}}, {{10, 1}}};
    const std::optional<TChartHit> hit = PointNear(curves, GetParam().at, 3.0);
    ASSERT_EQ(hit.has_value(), GetParam().curve.has_value());
    if (hit) {
        EXPECT_EQ(hit->curve, *GetParam().curve);
        EXPECT_EQ(hit->point, GetParam().point);
    }
}

INSTANTIATE_TEST_SUITE_P(Hover, PointNearTest,
                         testing::Values(THoverCase{"Nearest", {9, 0}, 0, 1},
                                         THoverCase{"OtherCurve", {10, 0.9}, 1, 0},
                                         THoverCase{"TieGoesToTheEarlierCurve", {10, 0.5}, 0, 1},
                                         THoverCase{"AtTheReachItself", {0, 3}, 0, 0},
                                         THoverCase{"BeyondTheReach", {50, 50}, std::nullopt, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
