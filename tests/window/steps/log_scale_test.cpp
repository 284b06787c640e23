#include "convergence_scale.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// An axis of errors in units from 1e20 down to 0.01, against n = 1 .. 64.
constexpr TLogScale kUnitsScale{20, 22, 1e-2L, 1, 64};

TEST(LogScaleTest, ValuesSitByTheirDecadeBelowTheTop) {
    EXPECT_EQ(ErrorMark(1e20L, kUnitsScale).down, 0.0L);
    EXPECT_NEAR(static_cast<double>(ErrorMark(1.0L, kUnitsScale).down), 20.0 / 22, 1e-15);
    EXPECT_EQ(ErrorMark(1e-2L, kUnitsScale).down, 1.0L);
    EXPECT_TRUE(ErrorMark(0.0L, kUnitsScale).belowFloor);
    EXPECT_EQ(DecadeDown(11, kUnitsScale), 0.5L);
}

TEST(LogScaleTest, IndexesSpreadFromFirstToLast) {
    EXPECT_EQ(IndexRight(1, kUnitsScale), 0.0L);
    EXPECT_EQ(IndexRight(64, kUnitsScale), 1.0L);
    EXPECT_EQ(IndexRight(0, kUnitsScale), 0.0L);
}

struct FittedCase {
    const char* name;
    std::vector<long double> values;
    int top;
    int decades;
};

class FittedLogScaleTest : public testing::TestWithParam<FittedCase> {};

TEST_P(FittedLogScaleTest, HoldsTheValuesDecades) {
    const FittedCase& c = GetParam();
    const TLogScale scale = FittedLogScale(c.values, 1, 64, 2);
    EXPECT_EQ(scale.top, c.top);
    EXPECT_EQ(scale.decades, c.decades);
    EXPECT_EQ(scale.first, 1);
    EXPECT_EQ(scale.last, 64);
}

// The 16-bit fixed point sweep's extremes (1.2e4 u at one step, 7.83 u at its least), the
// extended one's (6.5e18 u, 4.5 u), values within one decade, and nothing positive at all.
INSTANTIATE_TEST_SUITE_P(
    Sweeps, FittedLogScaleTest,
    testing::Values(FittedCase{"FixedPoint", {1.2e4L, 54.6L, 7.83L}, 5, 5},
                    FittedCase{"Extended", {6.5e18L, 996.0L, 4.5L, 0.0L}, 19, 19},
                    FittedCase{"WithinADecade", {2.3L, 3.0L}, 1, 2},
                    FittedCase{"ExactDecades", {100.0L, 1.0L}, 2, 2},
                    FittedCase{"NothingPositive", {0.0L, 0.0L}, 0, 2}),
    [](const testing::TestParamInfo<FittedCase>& info) { return std::string(info.param.name); });

} // namespace
