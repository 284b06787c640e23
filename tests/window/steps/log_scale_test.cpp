#include "convergence_scale.h"

#include <gtest/gtest.h>

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

} // namespace
