#include "angle_input.h"
#include "lab.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Degrees converted as the main window converts them (with the double pi), also beyond the
// +-90 degrees its angle input accepts.
long double Degrees(long double degrees) {
    return (degrees * kPiDouble) * kOneOver180;
}

long double ErrorFirst(const TLabRun& run) {
    return fabsl(run.first - run.exactFirst) / run.unit;
}
long double ErrorSecond(const TLabRun& run) {
    return fabsl(run.second - run.exactSecond) / run.unit;
}

TLabSetup Rotation(long double theta, std::int32_t steps) {
    TLabSetup setup;
    setup.theta = theta;
    setup.steps = steps;
    return setup;
}

TLabSetup Vectoring(long double x0, long double y0, std::int32_t steps) {
    TLabSetup setup;
    setup.mode = TLabMode::Vectoring;
    setup.x0 = x0;
    setup.y0 = y0;
    setup.steps = steps;
    return setup;
}

TLabSetup Fixed(TLabSetup setup, std::int32_t wordBits, std::int32_t fractionBits) {
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.wordBits = wordBits;
    setup.fractionBits = fractionBits;
    return setup;
}

// The index of the first state marked overflow, or -1.
std::int32_t FirstWrap(const TLabRun& run) {
    for (const TLabState& state : run.states) {
        if (state.overflow) {
            return state.i;
        }
    }
    return -1;
}

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

struct FixedState {
    std::int64_t rawX, rawY, rawZ;
    std::int32_t sigma;
};

void ExpectStates(const TLabRun& run, const std::vector<FixedState>& expected) {
    ASSERT_GE(run.states.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TLabState& s = run.states[i];
        EXPECT_EQ(s.i, static_cast<std::int32_t>(i));
        EXPECT_EQ(s.rawX, expected[i].rawX) << "state " << i;
        EXPECT_EQ(s.rawY, expected[i].rawY) << "state " << i;
        EXPECT_EQ(s.rawZ, expected[i].rawZ) << "state " << i;
        EXPECT_EQ(s.sigma, expected[i].sigma) << "state " << i;
    }
}

// K_14 = 0.607253... rounds to 9949 / 2^14, 30 degrees to 8579, atan 1 to 12868.
TEST(FixedRunTest, SixteenBitRunOfThirtyDegrees) {
    const TLabRun run = LabRun(Fixed(Rotation(Degrees(30), 14), 16, 14));
    ASSERT_EQ(run.refusal, TLabRefusal::None);
    ExpectStates(run, {{9949, 0, 8579, 1},
                       {9949, 9949, -4289, -1},
                       {14923, 4975, 3307, 1},
                       {13680, 8705, -707, -1},
                       {14768, 6995, 1330, 1}});
    EXPECT_EQ(run.states.back().rawX, 14191);
    EXPECT_EQ(run.states.back().rawY, 8189);
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
    ExpectStates(
        plus,
        {{39, 0, 34, 1}, {39, 39, -16, -1}, {58, 20, 14, 1}, {53, 34, -2, -1}, {57, 28, 6, 0}});
    EXPECT_EQ(plus.first, 0.890625L);
    EXPECT_EQ(plus.second, 0.4375L);
    const TLabRun minus = LabRun(Fixed(Rotation(Degrees(-30), 4), 8, 6));
    ExpectStates(minus, {{39, 0, -34, -1},
                         {39, -39, 16, 1},
                         {59, -20, -14, -1},
                         {54, -34, 2, 1},
                         {59, -28, -6, 0}});
    EXPECT_EQ(minus.first, 0.921875L);
    EXPECT_EQ(minus.second, -0.4375L);
}

// 16/12 holds up to 8 - 2^-12; the vector (3, 4) grows by 1/K towards 8.23.
TEST(FixedRunTest, PointThatGrowsPastTheWordWraps) {
    const TLabRun narrow = LabRun(Fixed(Vectoring(-3, -4, 16), 16, 12));
    EXPECT_EQ(FirstWrap(narrow), 3);
    const TLabRun wide = LabRun(Fixed(Vectoring(-3, -4, 16), 16, 11));
    EXPECT_EQ(FirstWrap(wide), -1);
    EXPECT_EQ(wide.second, 5.00244140625L);
}

// 8/7 holds at most 127/128: the cosine of 0, approaching 1, wraps.
TEST(FixedRunTest, CosineOfZeroWrapsInEightBitsWithSevenFractionBits) {
    const TLabRun run = LabRun(Fixed(Rotation(0, 54), 8, 7));
    ASSERT_EQ(run.refusal, TLabRefusal::None);
    EXPECT_NE(FirstWrap(run), -1);
}

// On the negative x axis the sign of y's zero picks the end of the circle, as atan2 does.
TEST(VectoringTest, SignedZeroOnTheNegativeAxisPicksPlusOrMinusPi) {
    TLabSetup setup = Vectoring(-1, 0.0L, 64);
    setup.arithmetic = TLabArithmetic::Double;
    const TLabRun plus = LabRun(setup);
    EXPECT_EQ(plus.exactFirst, 0xc.90fdaa22168c235p-2L);
    EXPECT_GT(plus.first, 3.14L);
    setup.y0 = -0.0L;
    const TLabRun minus = LabRun(setup);
    EXPECT_EQ(minus.exactFirst, -0xc.90fdaa22168c235p-2L);
    EXPECT_LT(minus.first, -3.14L);
}

// (FLT_MAX, 0): step 0 turns it to (x, -x), step 1 makes x = 1.5 FLT_MAX.
TEST(VectoringTest, FloatRegisterThatOverflowsMarksItsState) {
    TLabSetup setup = Vectoring(0x1.fffffep127L, 0, 24);
    setup.arithmetic = TLabArithmetic::Single;
    const TLabRun run = LabRun(setup);
    ASSERT_EQ(run.refusal, TLabRefusal::None);
    EXPECT_EQ(FirstWrap(run), 2);
    EXPECT_TRUE(std::isinf(run.states[2].x));
}

} // namespace
