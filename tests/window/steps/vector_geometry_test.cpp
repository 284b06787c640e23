// The vector plot's geometry on the 30-degree run: where each step's vector ends in the plotted
// region and how its turn goes.
#include "angle_input.h"
#include "cordic.h"
#include "step_rows.h"
#include "vector_geometry.h"
#include "whole_run_rows.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace {

TStepRows ThirtyDegreeRun() {
    return WholeRunRows(ParseAngle("30", kUnitDegrees).theta);
}

const TStepRows kRun = ThirtyDegreeRun();

struct VectorCase {
    const char* name;
    std::size_t row;
    double right;
    double down;
};

void PrintTo(const VectorCase& c, std::ostream* os) {
    *os << c.name;
}

class VectorEndTest : public testing::TestWithParam<VectorCase> {};

TEST_P(VectorEndTest, VectorEndsAtTheRowsPointInTheRegion) {
    const TStepRow& row = kRun.Row(GetParam().row);
    const TViewPoint end = RegionPoint(row.x, row.y);
    EXPECT_NEAR(static_cast<double>(end.right), GetParam().right, 1e-12);
    EXPECT_NEAR(static_cast<double>(end.down), GetParam().down, 1e-12);
}

// x in [-0.25, 1.15] left to right, y in [1.15, -1.15] top to bottom.
INSTANTIATE_TEST_SUITE_P(
    ThirtyDegrees, VectorEndTest,
    testing::Values(
        // (K, 0): the gain on the x axis, halfway down.
        VectorCase{"Step0OnTheXAxis", 0, 0.612323525006344, 0.5},
        // (K, K) after the first turn of 45 degrees.
        VectorCase{"Step1AtFortyFiveDegrees", 1, 0.612323525006344, 0.235976984778747},
        VectorCase{"Step2", 2, 0.829199573223801, 0.367988492389374},
        // (cos 30, sin 30) = (0.8660, 0.5).
        VectorCase{"ResultAtTheTarget", 54, 0.797161002703170, 0.282608695652174}),
    [](const auto& info) { return std::string(info.param.name); });

struct TurnCase {
    const char* name;
    std::size_t row;
    long double from;
    long double angle;
    int sign;
    long double to;
};

void PrintTo(const TurnCase& c, std::ostream* os) {
    *os << c.name;
}

class StepTurnTest : public testing::TestWithParam<TurnCase> {};

TEST_P(StepTurnTest, TurnsByTheStepAngleInItsDirection) {
    const std::optional<TStepTurn> turn = StepTurn(kRun.Row(GetParam().row));
    ASSERT_TRUE(turn.has_value());
    EXPECT_NEAR(static_cast<double>(turn->from), static_cast<double>(GetParam().from), 1e-15);
    EXPECT_NEAR(static_cast<double>(turn->angle), static_cast<double>(GetParam().angle), 1e-15);
    EXPECT_EQ(turn->sign, GetParam().sign);
    EXPECT_NEAR(static_cast<double>(turn->to), static_cast<double>(GetParam().to), 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    ThirtyDegrees, StepTurnTest,
    testing::Values(TurnCase{"Step0CounterClockwiseByPiOver4", 0, 0.0L, 0.78539816339744830962L, 1,
                             0.78539816339744830962L},
                    TurnCase{"Step1ClockwiseByAtanOneHalf", 1, 0.78539816339744830962L,
                             0.46364760900080611621L, -1, 0.32175055439664219340L},
                    TurnCase{"Step2CounterClockwise", 2, 0.32175055439664219340L,
                             0.24497866312686415417L, 1, 0.56672921752350634757L},
                    TurnCase{"Step53ClockwiseByTheLastAngle", 53, 0.52359877559829888651L,
                             1.1102230246251565404e-16L, -1, 0.52359877559829877549L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepTurnTest, EveryTurnEndsInTheDirectionOfTheNextVector) {
    for (std::size_t index = 0; index + 1 < kRun.Count(); ++index) {
        const TStepRow& next = kRun.Row(index + 1);
        EXPECT_NEAR(static_cast<double>(StepTurn(kRun.Row(index))->to),
                    static_cast<double>(atan2l(next.y, next.x)), 1e-17)
            << index;
    }
}

TEST(StepTurnTest, ResultRowTakesNoTurn) {
    EXPECT_FALSE(StepTurn(kRun.Row(54)).has_value());
}

TEST(PictureCaptionTest, NamesTheAngleInRadiansAndDegreesAndTheRow) {
    EXPECT_EQ(PictureCaption(kRun.Theta(), kRun.Row(3)),
              "\u03b8 = 0.523599 rad (30\u00b0), krok 3");
    EXPECT_EQ(PictureCaption(-1.0L, kRun.Row(54)),
              "\u03b8 = \u22121 rad (\u221257.2958\u00b0), v\u00fdsledok");
}

TEST(TurnMarkTest, SweepsAtLeastTheLeastLength) {
    // (angle, radius in pixels, least length) -> the sweep drawn
    EXPECT_EQ(TurnMarkSweep(0.463648L, 128.0, 32.0), 0.463648L) << "59 px of arc: its own angle";
    EXPECT_EQ(TurnMarkSweep(0.0624188L, 128.0, 32.0), 0.25L) << "step 4: 8 px would be shorter";
    EXPECT_EQ(TurnMarkSweep(1.1e-16L, 256.0, 32.0), 0.125L) << "step 53";
    EXPECT_EQ(TurnMarkSweep(0.0624188L, 0.0, 32.0), 0.0624188L) << "no radius: its own angle";
}

TEST(TurnCaptionTest, NamesTheStepItsAngleAndDirectionOrKeepsTheDirectionOpen) {
    EXPECT_EQ(TurnCaption(kRun.Row(0), false), "krok 0: +atan 2^-0 = +0.785398 rad");
    EXPECT_EQ(TurnCaption(kRun.Row(1), false), "krok 1: \u2212atan 2^-1 = \u22120.463648 rad");
    EXPECT_EQ(TurnCaption(kRun.Row(4), true), "krok 4: ?atan 2^-4 = ?0.0624188 rad");
    EXPECT_EQ(TurnCaption(kRun.Row(53), false),
              "krok 53: \u2212atan 2^-53 = \u22121.11022e-16 rad");
    EXPECT_EQ(TurnCaption(kRun.Row(54), false), "v\u00fdsledok");
}

} // namespace
