#include "lab_setups.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The largest error at n steps, to the three digits the window shows.
struct SweepCase {
    const char* name;
    TLabSetup setup;
    std::int32_t steps;
    long double shown;
};

class SweepTest : public testing::TestWithParam<SweepCase> {};

TEST_P(SweepTest, LargestErrorAtNSteps) {
    const SweepCase& c = GetParam();
    EXPECT_NEAR(LabSweep(c.setup)[c.steps - 1], c.shown, 0.005L * c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, SweepTest,
    testing::Values(SweepCase{"ExtendedAt64", Rotation(0), 64, 4.5},
                    SweepCase{"ExtendedAt54", Rotation(0), 54, 996},
                    SweepCase{"DoubleAt64", In(Rotation(0), TLabArithmetic::Double), 64, 3.71},
                    SweepCase{"DoubleAt53", In(Rotation(0), TLabArithmetic::Double), 53, 3.73},
                    SweepCase{"SingleAt24", In(Rotation(0), TLabArithmetic::Single), 24, 2.3},
                    SweepCase{"SingleAt64", In(Rotation(0), TLabArithmetic::Single), 64, 2.3},
                    SweepCase{"Fixed16_14At64", Fixed(Rotation(0), 16, 14), 64, 54.6},
                    SweepCase{"VectoringExtendedAt64", Vectoring(1, 0), 64, 10}),
    [](const auto& info) { return std::string(info.param.name); });

// 16/14: the error falls to its least, 7.83 u, at n = 14 .. 17; every further step adds to it.
TEST(SweepTest, SixteenBitFixedPointGetsWorsePastItsBest) {
    const TLabSweep sweep = LabSweep(Fixed(Rotation(0), 16, 14));
    for (std::int32_t n = 2; n <= 14; ++n) {
        EXPECT_LT(sweep[n - 1], sweep[n - 2]) << n;
    }
    for (std::int32_t n = 14; n <= 17; ++n) {
        EXPECT_NEAR(sweep[n - 1], 7.83, 0.005) << n;
    }
    for (std::int32_t n = 19; n <= 64; ++n) {
        EXPECT_GT(sweep[n - 1], sweep[n - 2]) << n;
    }
}

} // namespace
