#include "convergence_scale.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct MarkCase {
    const char* name;
    long double value;
    long double down;
    bool belowFloor;
};

void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << c.name;
}

class ErrorMarkTest : public testing::TestWithParam<MarkCase> {};

TEST_P(ErrorMarkTest, PlacesTheValueOnTheLogarithmicAxis) {
    const TErrorMark mark = ErrorMark(GetParam().value);
    EXPECT_NEAR(static_cast<double>(mark.down), static_cast<double>(GetParam().down), 1e-15);
    EXPECT_EQ(mark.belowFloor, GetParam().belowFloor);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ErrorMarkTest,
    testing::Values(MarkCase{"OneAtTheTop", 1.0L, 0.0L, false},
                    MarkCase{"AboveOneHeldAtTheTop", 5.0L, 0.0L, false},
                    MarkCase{"HalfJustBelowTheTop", 0.5L, 0.0150514997831990598L, false},
                    MarkCase{"TenToMinusTenInTheMiddle", 1e-10L, 0.5L, false},
                    MarkCase{"TenToMinusNineteen", 1e-19L, 0.95L, false},
                    MarkCase{"ThreeTimesTenToMinusTwenty", 3e-20L, 0.976143937264016879L, false},
                    MarkCase{"TenToMinusTwentyOnTheFloorUnflagged", 1e-20L, 1.0L, false},
                    MarkCase{"BelowTheFloorFlagged", 9e-21L, 1.0L, true},
                    MarkCase{"BeyondTheDoubleRangeFlagged", 1e-4000L, 1.0L, true},
                    MarkCase{"ZeroFlagged", 0.0L, 1.0L, true},
                    MarkCase{"NotANumberFlagged", std::numeric_limits<long double>::quiet_NaN(),
                             1.0L, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepRightTest, StepsSpreadFromTheLeftEdgeToTheResultOnTheRight) {
    EXPECT_EQ(StepRight(0), 0.0L);
    EXPECT_EQ(StepRight(27), 0.5L);
    EXPECT_EQ(StepRight(54), 1.0L);
}

} // namespace
