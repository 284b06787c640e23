#include "lab_setups.h"

#include <gtest/gtest.h>
#include <string>
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

// Largest errors to the three digits the window shows: circular 16/14 by rounding and guard bits
// at n = 14, 16, 24, 64; the other systems at n = 16, 32, 64.
struct SweepRow {
    const char* name;
    TLabSetup setup;
    std::vector<long double> shown;
};

void ExpectSweep(const SweepRow& row, const std::vector<std::int32_t>& steps) {
    const TLabSweep sweep = LabSweep(row.setup);
    for (std::size_t k = 0; k < steps.size(); ++k) {
        EXPECT_EQ(Shown(sweep[steps[k] - 1]), Shown(row.shown[k])) << "n = " << steps[k];
    }
}

class RoundingSweepTest : public testing::TestWithParam<SweepRow> {};
class SystemSweepTest : public testing::TestWithParam<SweepRow> {};

TEST_P(RoundingSweepTest, LargestErrors) {
    ExpectSweep(GetParam(), {14, 16, 24, 64});
}
TEST_P(SystemSweepTest, LargestErrors) {
    ExpectSweep(GetParam(), {16, 32, 64});
}

using enum TLabRounding;
constexpr auto kDouble = TLabArithmetic::Double;
constexpr auto kSingle = TLabArithmetic::Single;
const auto kName = [](const auto& info) { return std::string(info.param.name); };

TLabSetup Circular(TLabRounding rounding, std::int32_t guardBits) {
    return Fixed(Rotation(0), 16, 14, rounding, guardBits);
}
const TLabSetup kHyperbolicRotation = Hyperbolic(Rotation(0));
const TLabSetup kHyperbolicVectoring = Hyperbolic(Vectoring(1, 0));
const TLabSetup kLinearRotation = LinearRotation(0.75L, 0.25L, 0, 54);
const TLabSetup kLinearVectoring = LinearVectoring(1.25L, 0, 54);

// Rounding to nearest takes the drift of Floor away; guard bits take the output's rounding.
INSTANTIATE_TEST_SUITE_P(
    CircularFixed, RoundingSweepTest,
    testing::Values(SweepRow{"Floor", Circular(Floor, 0), {7.83, 7.83, 14.6, 54.6}},
                    SweepRow{"HalfUp", Circular(HalfUp, 0), {4.75, 3.75, 3.75, 3.75}},
                    SweepRow{"HalfEven", Circular(HalfEven, 0), {4.31, 3.31, 3.31, 3.31}},
                    SweepRow{"FloorGuarded", Circular(Floor, 4), {2.86, 1.76, 1.51, 3.95}},
                    SweepRow{"HalfUpGuarded", Circular(HalfUp, 4), {2.57, 1.1, 0.724, 0.724}},
                    SweepRow{"HalfEvenGuarded", Circular(HalfEven, 4), {2.43, 1.1, 0.737, 0.737}}),
    kName);

// In extended at n = 64 the hyperbolic errors depend on the last bit of atanh 1/2 (the tables'
// 0x8.c9f53d5681854bcp-4; its lower neighbour would give 12 u and 5.5 u). alpha_0 = 1 has no room
// in 16/15: every input is refused, every error is 0.
INSTANTIATE_TEST_SUITE_P(
    Systems, SystemSweepTest,
    testing::Values(
        SweepRow{"HyperbolicRotation", kHyperbolicRotation, {1.43e15, 2.33e10, 16}},
        SweepRow{
            "HyperbolicRotationDouble", In(kHyperbolicRotation, kDouble), {6.99e11, 1.14e7, 8.98}},
        SweepRow{"HyperbolicRotationSingle", In(kHyperbolicRotation, kSingle), {1.3e3, 5.58, 5.58}},
        SweepRow{"HyperbolicRotation16_14", Fixed(kHyperbolicRotation, 16, 14), {12.2, 25.1, 57.1}},
        SweepRow{"HyperbolicRotation16_13", Fixed(kHyperbolicRotation, 16, 13), {14.6, 30.6, 62.6}},
        SweepRow{"HyperbolicRotation16_13HalfEvenG4",
                 Fixed(kHyperbolicRotation, 16, 13, HalfEven, 4),
                 {1.64, 1.2, 1.2}},
        SweepRow{"HyperbolicRotation24_20", Fixed(kHyperbolicRotation, 24, 20), {164, 24.4, 56.4}},
        SweepRow{"HyperbolicRotation24_20HalfEvenG4",
                 Fixed(kHyperbolicRotation, 24, 20, HalfEven, 4),
                 {163, 1.3, 1.3}},
        SweepRow{"HyperbolicVectoring", kHyperbolicVectoring, {5.62e14, 8.57e9, 6}},
        SweepRow{"HyperbolicVectoringDouble",
                 In(kHyperbolicVectoring, kDouble),
                 {2.75e11, 4.19e6, 3.08}},
        SweepRow{"HyperbolicVectoringSingle", In(kHyperbolicVectoring, kSingle), {511, 2.42, 2.42}},
        SweepRow{
            "HyperbolicVectoring16_14", Fixed(kHyperbolicVectoring, 16, 14), {11.9, 31.9, 69.9}},
        SweepRow{"LinearRotation", kLinearRotation, {2.11e14, 3.22e9, 1}},
        SweepRow{"LinearRotationDouble", In(kLinearRotation, kDouble), {1.03e11, 1.57e6, 1.5}},
        SweepRow{"LinearRotationSingle", In(kLinearRotation, kSingle), {192, 1.5, 1.5}},
        SweepRow{"LinearRotation16_13", Fixed(kLinearRotation, 16, 13), {2, 2, 2}},
        SweepRow{"LinearRotationRefused16_15", Fixed(kLinearRotation, 16, 15), {0, 0, 0}},
        SweepRow{"LinearVectoring", kLinearVectoring, {2.81e14, 4.29e9, 1}},
        SweepRow{"LinearVectoringDouble", In(kLinearVectoring, kDouble), {1.37e11, 2.1e6, 0.8}},
        SweepRow{"LinearVectoringSingle", In(kLinearVectoring, kSingle), {256, 0.8, 0.8}},
        SweepRow{"LinearVectoring16_13", Fixed(kLinearVectoring, 16, 13), {1.6, 1.6, 1.6}}),
    kName);

} // namespace
