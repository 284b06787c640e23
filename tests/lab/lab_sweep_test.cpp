#include "lab.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using TSweep = std::array<long double, 64>;

const TSweep& Sweep(TLabArithmetic arithmetic, TLabMode mode) {
    static std::array<std::array<TSweep, 2>, 4> cache;
    static std::array<std::array<bool, 2>, 4> done{};
    const auto a = static_cast<std::size_t>(arithmetic);
    const auto m = static_cast<std::size_t>(mode);
    if (!done[a][m]) {
        TLabSetup setup;
        setup.arithmetic = arithmetic;
        setup.mode = mode;
        cache[a][m] = LabSweep(setup);
        done[a][m] = true;
    }
    return cache[a][m];
}

// The largest error at n steps, to the three digits the window shows.
struct SweepCase {
    const char* name;
    TLabArithmetic arithmetic;
    TLabMode mode;
    std::int32_t steps;
    long double shown;
};

class SweepTest : public testing::TestWithParam<SweepCase> {};

TEST_P(SweepTest, LargestErrorAtNSteps) {
    const SweepCase& c = GetParam();
    const long double error = Sweep(c.arithmetic, c.mode)[c.steps - 1];
    EXPECT_NEAR(error, c.shown, 0.005L * c.shown);
}

constexpr TLabMode kRot = TLabMode::Rotation;

INSTANTIATE_TEST_SUITE_P(
    Figures, SweepTest,
    testing::Values(SweepCase{"ExtendedAt64", TLabArithmetic::Extended, kRot, 64, 4.5},
                    SweepCase{"ExtendedAt54", TLabArithmetic::Extended, kRot, 54, 996},
                    SweepCase{"DoubleAt64", TLabArithmetic::Double, kRot, 64, 3.71},
                    SweepCase{"DoubleAt53", TLabArithmetic::Double, kRot, 53, 3.73},
                    SweepCase{"SingleAt24", TLabArithmetic::Single, kRot, 24, 2.3},
                    SweepCase{"SingleAt64", TLabArithmetic::Single, kRot, 64, 2.3},
                    SweepCase{"FixedAt14", TLabArithmetic::Fixed, kRot, 14, 7.83},
                    SweepCase{"FixedAt17", TLabArithmetic::Fixed, kRot, 17, 7.83},
                    SweepCase{"FixedAt64", TLabArithmetic::Fixed, kRot, 64, 54.6},
                    SweepCase{"VectoringExtendedAt64", TLabArithmetic::Extended,
                              TLabMode::Vectoring, 64, 10}),
    [](const auto& info) { return std::string(info.param.name); });

// 16/14: the error falls to its least at n = 14 .. 17, then every further step adds to it.
TEST(SweepTest, SixteenBitFixedPointGetsWorsePastItsBest) {
    const TSweep& sweep = Sweep(TLabArithmetic::Fixed, kRot);
    for (std::int32_t n = 2; n <= 14; ++n) {
        EXPECT_LT(sweep[n - 1], sweep[n - 2]) << n;
    }
    EXPECT_EQ(sweep[16], sweep[13]);
    for (std::int32_t n = 19; n <= 64; ++n) {
        EXPECT_GT(sweep[n - 1], sweep[n - 2]) << n;
    }
}

TEST(SweepTest, BadSetupSweepsToZeros) {
    TLabSetup setup;
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.wordBits = 65;
    EXPECT_EQ(LabSweep(setup), TSweep{});
}

} // namespace
