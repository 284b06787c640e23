#include "lab_setups.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Results in extended, to the last bit.
struct ExtendedCase {
    const char* name;
    TLabSetup setup;
    bool folded;
    long double first, second;
};

class ExtendedRunTest : public testing::TestWithParam<ExtendedCase> {};

TEST_P(ExtendedRunTest, GivesTheseResultsToTheLastBit) {
    const ExtendedCase& c = GetParam();
    const TLabRun run = LabRun(c.setup);
    ASSERT_EQ(run.refusal, TLabRefusal::None);
    EXPECT_EQ(run.folded, c.folded);
    EXPECT_EQ(run.first, c.first);
    EXPECT_EQ(run.second, c.second);
    EXPECT_EQ(run.unit, 0x1p-63L);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, ExtendedRunTest,
    testing::Values(ExtendedCase{"ThirtyDegreesIn54Steps", Rotation(Degrees(30), 54), false,
                                 0.8660254037844386957L, 0.49999999999999991557L},
                    ExtendedCase{"ThirtyDegreesIn64Steps", Rotation(Degrees(30), 64), false,
                                 0.86602540378443865725L, 0.4999999999999999822L},
                    ExtendedCase{"HalfTurnIsFolded", Rotation(Degrees(180), 64), true,
                                 -1.0000000000000000002L, 1.2246305098754397583e-16L},
                    ExtendedCase{"PointInTheThirdQuadrant", Vectoring(-3, -4, 64), true,
                                 -2.2142974355881810066L, 5.0000000000000000013L}),
    [](const auto& info) { return std::string(info.param.name); });

// The errors as the window shows them: 357 u and 616 u, then 2.5 u and 1 u. x lies in [0.5, 1)
// and y in [0.25, 0.5), so they are multiples of u/2 and u/4.
TEST(ExtendedRunTest, ErrorsOfThirtyDegrees) {
    const TLabRun run54 = LabRun(Rotation(Degrees(30), 54));
    EXPECT_EQ(ErrorFirst(run54), 357);
    EXPECT_NEAR(ErrorSecond(run54), 616, 0.5);
    const TLabRun run64 = LabRun(Rotation(Degrees(30), 64));
    EXPECT_EQ(ErrorFirst(run64), 2.5);
    EXPECT_EQ(ErrorSecond(run64), 1);
}

// sin(pi_double) = pi - pi_double = 1.2246467991473531772...e-16, cos = -1 + 7.5e-33;
// atan2(-4, -3) = -pi + atan(4/3) = -2.21429743558818100603..., hypot = 5.
TEST(ExtendedRunTest, ExactValuesAreCorrectlyRounded) {
    const TLabRun halfTurn = LabRun(Rotation(Degrees(180), 64));
    EXPECT_EQ(halfTurn.exactFirst, -1);
    EXPECT_EQ(halfTurn.exactSecond, 1.22464679914735317722606593227500e-16L);
    const TLabRun point = LabRun(Vectoring(-3, -4, 64));
    EXPECT_EQ(point.exactFirst, -2.21429743558818100603L);
    EXPECT_EQ(point.exactSecond, 5);
}

// The first states' (rawX, rawY, rawZ, sigma).
std::vector<std::array<std::int64_t, 4>> Registers(const TLabRun& run, std::size_t count) {
    std::vector<std::array<std::int64_t, 4>> registers;
    for (std::size_t i = 0; i < count && i < run.states.size(); ++i) {
        const TLabState& s = run.states[i];
        registers.push_back({s.rawX, s.rawY, s.rawZ, s.sigma});
    }
    return registers;
}

// K_14 = 0.607253... rounds to 9949 / 2^14, 30 degrees to 8579, atan 1 to 12868.
TEST(FixedRunTest, SixteenBitRunOfThirtyDegrees) {
    const TLabRun run = LabRun(Fixed(Rotation(Degrees(30), 14), 16, 14));
    EXPECT_EQ(Registers(run, 5),
              (std::vector<std::array<std::int64_t, 4>>{{9949, 0, 8579, 1},
                                                        {9949, 9949, -4289, -1},
                                                        {14923, 4975, 3307, 1},
                                                        {13680, 8705, -707, -1},
                                                        {14768, 6995, 1330, 1}}));
    EXPECT_EQ(run.first, 0.86614990234375L);
    EXPECT_EQ(run.second, 0.49981689453125L);
    EXPECT_EQ(run.unit, 0x1p-14L);
    EXPECT_NEAR(ErrorFirst(run), 2.22, 0.005);
    EXPECT_NEAR(ErrorSecond(run), 3.31, 0.005);
}

// Worked by hand on 8 bits with 6 fraction bits: K_4 = 0.6088 -> 39, +-30 degrees -> +-34,
// a_0..3 = 50, 30, 16, 8. The shift rounds toward -infinity, so -30 degrees is not the mirror
// of +30: -39 >> 1 = -20 where 39 >> 1 = 19.
TEST(FixedRunTest, EightBitRunsOfPlusAndMinusThirtyDegrees) {
    const TLabRun plus = LabRun(Fixed(Rotation(Degrees(30), 4), 8, 6));
    EXPECT_EQ(
        Registers(plus, 5),
        (std::vector<std::array<std::int64_t, 4>>{
            {39, 0, 34, 1}, {39, 39, -16, -1}, {58, 20, 14, 1}, {53, 34, -2, -1}, {57, 28, 6, 0}}));
    const TLabRun minus = LabRun(Fixed(Rotation(Degrees(-30), 4), 8, 6));
    EXPECT_EQ(Registers(minus, 5), (std::vector<std::array<std::int64_t, 4>>{{39, 0, -34, -1},
                                                                             {39, -39, 16, 1},
                                                                             {59, -20, -14, -1},
                                                                             {54, -34, 2, 1},
                                                                             {59, -28, -6, 0}}));
    EXPECT_EQ(minus.second, -0.4375L);
}

// 16/12 holds up to 8 - 2^-12; the vector (3, 4) grows by 1/K towards 8.23.
TEST(FixedRunTest, PointThatGrowsPastTheWordWraps) {
    const TLabRun narrow = LabRun(Fixed(Vectoring(-3, -4, 16), 16, 12));
    EXPECT_EQ(FirstOverflow(narrow), 3);
    const TLabRun wide = LabRun(Fixed(Vectoring(-3, -4, 16), 16, 11));
    EXPECT_EQ(FirstOverflow(wide), -1);
    EXPECT_EQ(wide.second, 5.00244140625L);
}

// 8/7 holds at most 127/128: the cosine of 0, approaching 1, wraps.
TEST(FixedRunTest, CosineOfZeroWrapsInEightBitsWithSevenFractionBits) {
    EXPECT_NE(FirstOverflow(LabRun(Fixed(Rotation(0, 54), 8, 7))), -1);
}

// On the negative x axis the sign of y's zero picks the end of the circle, as atan2 does.
TEST(VectoringTest, SignedZeroOnTheNegativeAxisPicksPlusOrMinusPi) {
    for (const long double zero : {0.0L, -0.0L}) {
        const TLabRun run = LabRun(In(Vectoring(-1, zero, 64), TLabArithmetic::Double));
        EXPECT_EQ(run.exactFirst, copysignl(0xc.90fdaa22168c235p-2L, zero));
        EXPECT_NEAR(run.first, run.exactFirst, 0x1p-50L);
    }
}

// (FLT_MAX, 0): step 0 turns it to (x, -x), step 1 makes x = 1.5 FLT_MAX.
TEST(VectoringTest, FloatRegisterThatOverflowsMarksItsState) {
    const TLabRun run = LabRun(In(Vectoring(0x1.fffffep127L, 0, 24), TLabArithmetic::Single));
    ASSERT_EQ(run.refusal, TLabRefusal::None);
    EXPECT_EQ(FirstOverflow(run), 2);
    EXPECT_TRUE(std::isinf(run.states[2].x));
}

} // namespace
