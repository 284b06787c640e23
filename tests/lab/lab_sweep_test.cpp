#include "lab_setups.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

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

// The largest errors of the other systems and of rounded shifts with guard bits, at several n,
// each to the three digits the window shows.
struct SweepRow {
    const char* name;
    TLabSetup setup;
    std::vector<std::pair<std::int32_t, long double>> shown;
};

class SweepRowTest : public testing::TestWithParam<SweepRow> {};

TEST_P(SweepRowTest, LargestErrorsAtTheseN) {
    const SweepRow& row = GetParam();
    const TLabSweep sweep = LabSweep(row.setup);
    for (const auto& [n, shown] : row.shown) {
        EXPECT_EQ(Shown(sweep[n - 1]), Shown(shown)) << "n = " << n;
    }
}

using enum TLabRounding;
constexpr auto kDouble = TLabArithmetic::Double;
constexpr auto kSingle = TLabArithmetic::Single;

TLabSetup CircularFixed(TLabRounding rounding, std::int32_t guardBits) {
    return Fixed(Rotation(0), 16, 14, rounding, guardBits);
}
TLabSetup HyperbolicRotation() {
    return Hyperbolic(Rotation(0));
}
TLabSetup HyperbolicVectoring() {
    return Hyperbolic(Vectoring(1, 0));
}
TLabSetup LinearRotationOfPoint() {
    return LinearRotation(0.75L, 0.25L, 0, 54);
}
TLabSetup LinearVectoringOf(long double x0) {
    return LinearVectoring(x0, 0, 54);
}

// Rounding to nearest takes the drift of Floor away; guard bits take the output's rounding.
INSTANTIATE_TEST_SUITE_P(
    CircularRounding, SweepRowTest,
    testing::Values(SweepRow{"Floor",
                             CircularFixed(Floor, 0),
                             {{14, 7.83}, {16, 7.83}, {24, 14.6}, {64, 54.6}}},
                    SweepRow{"HalfUp",
                             CircularFixed(HalfUp, 0),
                             {{14, 4.75}, {16, 3.75}, {24, 3.75}, {64, 3.75}}},
                    SweepRow{"HalfEven",
                             CircularFixed(HalfEven, 0),
                             {{14, 4.31}, {16, 3.31}, {24, 3.31}, {64, 3.31}}},
                    SweepRow{"FloorGuarded",
                             CircularFixed(Floor, 4),
                             {{14, 2.86}, {16, 1.76}, {24, 1.51}, {64, 3.95}}},
                    SweepRow{"HalfUpGuarded",
                             CircularFixed(HalfUp, 4),
                             {{14, 2.57}, {16, 1.1}, {24, 0.724}, {64, 0.724}}},
                    SweepRow{"HalfEvenGuarded",
                             CircularFixed(HalfEven, 4),
                             {{14, 2.43}, {16, 1.1}, {24, 0.737}, {64, 0.737}}}),
    [](const auto& info) { return std::string(info.param.name); });

// In extended at n = 64, with atanh 1/2 held as glibc's atanhl gives it, correctly rounded
// (0x8.c9f53d5681854bbp-4): rotation's 12 u is also what the benchmark's sweep written out by
// hand finds.
INSTANTIATE_TEST_SUITE_P(Hyperbolic, SweepRowTest,
                         testing::Values(SweepRow{"RotationExtended",
                                                  HyperbolicRotation(),
                                                  {{16, 1.43e15}, {32, 2.33e10}, {64, 12}}},
                                         SweepRow{"RotationDouble",
                                                  In(HyperbolicRotation(), kDouble),
                                                  {{16, 6.99e11}, {32, 1.14e7}, {64, 8.98}}},
                                         SweepRow{"RotationSingle",
                                                  In(HyperbolicRotation(), kSingle),
                                                  {{16, 1.3e3}, {32, 5.58}, {64, 5.58}}},
                                         SweepRow{"RotationFixed16_14",
                                                  Fixed(HyperbolicRotation(), 16, 14),
                                                  {{16, 12.2}, {32, 25.1}, {64, 57.1}}},
                                         SweepRow{"RotationFixed16_13",
                                                  Fixed(HyperbolicRotation(), 16, 13),
                                                  {{16, 14.6}, {32, 30.6}, {64, 62.6}}},
                                         SweepRow{"RotationFixed16_13HalfEvenGuarded",
                                                  Fixed(HyperbolicRotation(), 16, 13, HalfEven, 4),
                                                  {{16, 1.64}, {32, 1.2}, {64, 1.2}}},
                                         SweepRow{"RotationFixed24_20",
                                                  Fixed(HyperbolicRotation(), 24, 20),
                                                  {{16, 164}, {32, 24.4}, {64, 56.4}}},
                                         SweepRow{"RotationFixed24_20HalfEvenGuarded",
                                                  Fixed(HyperbolicRotation(), 24, 20, HalfEven, 4),
                                                  {{16, 163}, {32, 1.3}, {64, 1.3}}},
                                         SweepRow{"VectoringExtended",
                                                  HyperbolicVectoring(),
                                                  {{16, 5.62e14}, {32, 8.57e9}, {64, 5.5}}},
                                         SweepRow{"VectoringDouble",
                                                  In(HyperbolicVectoring(), kDouble),
                                                  {{16, 2.75e11}, {32, 4.19e6}, {64, 3.08}}},
                                         SweepRow{"VectoringSingle",
                                                  In(HyperbolicVectoring(), kSingle),
                                                  {{16, 511}, {32, 2.42}, {64, 2.42}}},
                                         SweepRow{"VectoringFixed16_14",
                                                  Fixed(HyperbolicVectoring(), 16, 14),
                                                  {{16, 11.9}, {32, 31.9}, {64, 69.9}}}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Linear, SweepRowTest,
    testing::Values(SweepRow{"RotationExtended",
                             LinearRotationOfPoint(),
                             {{16, 2.11e14}, {32, 3.22e9}, {64, 1}}},
                    SweepRow{"RotationDouble",
                             In(LinearRotationOfPoint(), kDouble),
                             {{16, 1.03e11}, {32, 1.57e6}, {64, 1.5}}},
                    SweepRow{"RotationSingle",
                             In(LinearRotationOfPoint(), kSingle),
                             {{16, 192}, {32, 1.5}, {64, 1.5}}},
                    SweepRow{"RotationFixed16_13",
                             Fixed(LinearRotationOfPoint(), 16, 13),
                             {{16, 2}, {32, 2}, {64, 2}}},
                    SweepRow{"VectoringExtended",
                             LinearVectoringOf(1.25L),
                             {{16, 2.81e14}, {32, 4.29e9}, {64, 1}}},
                    SweepRow{"VectoringDouble",
                             In(LinearVectoringOf(1.25L), kDouble),
                             {{16, 1.37e11}, {32, 2.1e6}, {64, 0.8}}},
                    SweepRow{"VectoringSingle",
                             In(LinearVectoringOf(1.25L), kSingle),
                             {{16, 256}, {32, 0.8}, {64, 0.8}}},
                    SweepRow{"VectoringFixed16_13",
                             Fixed(LinearVectoringOf(1.25L), 16, 13),
                             {{16, 1.6}, {32, 1.6}, {64, 1.6}}},
                    // alpha_0 = 1 has no room in 16/15: every input is refused, every error is 0.
                    SweepRow{"RefusedEverywhere",
                             Fixed(LinearRotationOfPoint(), 16, 15),
                             {{1, 0}, {32, 0}, {64, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
