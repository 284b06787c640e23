#include "lab_setups.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

constexpr long double kNotGiven = std::numeric_limits<long double>::quiet_NaN();
constexpr auto kDouble = TLabArithmetic::Double;
constexpr auto kSingle = TLabArithmetic::Single;
using enum TLabRounding;

void ExpectResult(long double value, long double expected, const char* name) {
    if (!std::isnan(expected)) {
        EXPECT_EQ(value, expected) << name;
    }
}

void ExpectShown(long double error, const char* shown, const char* name) {
    if (shown != nullptr) {
        EXPECT_EQ(Shown(error), shown) << name;
    }
}

// A case's results to the last bit and its errors as the window shows them.
template <class Case> void ExpectResults(const TLabRun& run, const Case& c) {
    ExpectResult(run.first, c.first, "first");
    ExpectResult(run.second, c.second, "second");
    ExpectResult(run.third, c.third, "third");
    ExpectShown(ErrorFirst(run), c.errorFirst, "first");
    ExpectShown(ErrorSecond(run), c.errorSecond, "second");
    ExpectShown(ErrorThird(run), c.errorThird, "third");
}

// K'_n is the start of hyperbolic rotation; R_n the sum of the step constants.
TEST(GainAndReachTest, HyperbolicGainsAndTheReachOfEachSystem) {
    for (const auto& [steps, gain] : {std::pair{1, 1.154700538379251529L},
                                      {16, 1.2074970670133592768L},
                                      {64, 1.2074970677630721288L}}) {
        EXPECT_EQ(LabRun(Hyperbolic(Rotation(0, steps))).states[0].x, gain) << steps;
    }
    // atanh 1/2 + atanh 1/4 + atanh 1/8 + atanh 1/16 = ln(51/7) / 2 = 0.99295774183450623327
    // (summed in extended from the tables' constants: ...334),
    // then the repeated atanh 1/16.
    EXPECT_EQ(LabReach(TLabSystem::Hyperbolic, 4), 0.99295774183450623334L);
    EXPECT_EQ(LabReach(TLabSystem::Hyperbolic, 5), 1.0555393133115092405L);
    EXPECT_EQ(LabReach(TLabSystem::Hyperbolic, 64), 1.1181730155265038032L);
    // Shifts 1 .. 64 without the repeats would reach less than 64 steps with them.
    long double unrepeated = 0;
    for (std::int32_t s = 1; s <= 64; ++s) {
        unrepeated += atanhl(ldexpl(1, -s));
    }
    EXPECT_EQ(unrepeated, 1.055469373735484972L);
    EXPECT_EQ(LabReach(TLabSystem::Linear, 64), 2 - 0x1p-63L);
    EXPECT_NEAR(LabReach(TLabSystem::Circular, 4), 1.6184L, 5e-5L);
    EXPECT_EQ(LabReach(TLabSystem::Circular, 0), 0);
}

// Shifts 4, 13 and 40 are taken twice, so 64 steps end at shift 61.
TEST(GainAndReachTest, HyperbolicStepsRepeatShiftsFourThirteenAndForty) {
    const TLabRun run = LabRun(Hyperbolic(Rotation(0.5L, 64)));
    ASSERT_EQ(run.states.size(), 65u);
    for (const auto& [i, shift] : {std::pair{0, 1},
                                   {3, 4},
                                   {4, 4},
                                   {5, 5},
                                   {13, 13},
                                   {14, 13},
                                   {15, 14},
                                   {41, 40},
                                   {42, 40},
                                   {43, 41},
                                   {63, 61},
                                   {64, 0}}) {
        EXPECT_EQ(run.states[i].shift, shift) << i;
    }
    const TLabRun linear = LabRun(LinearRotation(1, 0, 0.5L, 64));
    EXPECT_EQ(linear.states[0].shift, 0);
    EXPECT_EQ(linear.states[63].shift, 63);
}

// converges: the start lies within R_n of where the steps lead.
TEST(GainAndReachTest, ConvergesWithinTheReach) {
    EXPECT_FALSE(LabRun(Rotation(1.5L, 3)).converges); // R_3 = 1.39
    EXPECT_TRUE(LabRun(Rotation(1.5L, 4)).converges);
    EXPECT_TRUE(LabRun(Rotation(3, 64)).converges);               // folded to 3 - pi
    EXPECT_FALSE(LabRun(LinearVectoring(1, 2.5L, 64)).converges); // 2.5 > 2 - 2^-63
    EXPECT_TRUE(LabRun(LinearVectoring(-1, 1.5L, 64)).converges);
    const TLabRun beyond = LabRun(Hyperbolic(Rotation(1.2L, 64)));
    EXPECT_FALSE(beyond.converges);
    EXPECT_EQ(beyond.first, 1.6930681608980542648L);
    EXPECT_EQ(beyond.exactFirst, 1.8106555673243747932L);
    EXPECT_EQ(Shown(ErrorFirst(beyond)), "1.08e+18");
}

// The floating formats' results.
struct FloatCase {
    const char* name;
    TLabSetup setup;
    bool folded;
    long double first, second, third;
    const char *errorFirst, *errorSecond, *errorThird;
};

class FloatSystemTest : public testing::TestWithParam<FloatCase> {};

TEST_P(FloatSystemTest, GivesTheseResults) {
    const FloatCase& c = GetParam();
    const TLabRun run = LabRun(c.setup);
    ASSERT_EQ(run.refusal, TLabRefusal::None);
    EXPECT_TRUE(run.converges);
    EXPECT_EQ(run.folded, c.folded);
    ExpectResults(run, c);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FloatSystemTest,
    testing::Values(
        // cosh, sinh and exp of 0.5.
        FloatCase{"HyperbolicIn16Steps", Hyperbolic(Rotation(0.5L, 16)), false,
                  1.1276070015429766833L, 0.52105426773872855423L, 1.6486612692817052376L,
                  "1.75e+14", "3.79e+14", "5.53e+14"},
        FloatCase{"HyperbolicIn64Steps", Hyperbolic(Rotation(0.5L, 64)), false,
                  1.1276259652063807853L, 0.52109530549374736164L, 1.6487212707001281469L, "0", "0",
                  "0"},
        FloatCase{"HyperbolicInDouble", In(Hyperbolic(Rotation(0.5L, 64)), kDouble), false,
                  1.1276259652063811, 0.5210953054937475, 1.6487212707001286, "1.61", "0.605",
                  "2.21"},
        FloatCase{"HyperbolicInSingle", In(Hyperbolic(Rotation(0.5L, 64)), kSingle), false,
                  1.1276258f, 0.5210953f, 1.6487211f, "1.19", "0.248", "1.44"},
        FloatCase{"HyperbolicNearTheReach", Hyperbolic(Rotation(1.1L, 64)), false,
                  1.6685185538222563323L, 1.3356474701241767795L, 3.0041660239464331118L, "3", "1",
                  "2"},
        // atanh(1/3) = ln(2) / 2 and sqrt(8); atanh(1.75/2.25) = ln(8) / 2 and sqrt(2). The
        // angles agree with a bare loop over glibc's atanhl(2^-s).
        FloatCase{"HyperbolicVectoringForLnTwo", Hyperbolic(Vectoring(3, 1, 64)), false,
                  0.34657359027997265493L, 2.8284271247461900973L, 0, "2", "2", "0"},
        FloatCase{"HyperbolicVectoringForRootTwo", Hyperbolic(Vectoring(2.25L, 1.75L, 64)), false,
                  1.0397207708399179643L, 1.4142135623730950483L, 0, "1", "4", "0"},
        // 0.75 * 1.3 in 20 steps; x stays a.
        FloatCase{"LinearRotation", LinearRotation(0.75L, 0, 1.3L, 20), false,
                  0.9750008583068847656L, 0.75L, 0, "7.92e+12", "0", "0"},
        FloatCase{"LinearVectoring", LinearVectoring(3, 1, 64), false, 0.33333333333333333337L, 3,
                  0, "0.25", "0", "0"},
        FloatCase{"LinearVectoringFolded", LinearVectoring(-3, 1, 64), true,
                  -0.33333333333333333337L, -3, 0, "0.25", "0", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

// Fixed point: the first states' registers with their shift, the results, the errors.
struct FixedCase {
    const char* name;
    TLabSetup setup;
    TRegisterRows states;
    long double first, second, third;
    const char *errorFirst, *errorSecond, *errorThird;
    long double exactFirst = kNotGiven;
};

class FixedSystemTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedSystemTest, GivesTheseStatesAndResults) {
    const FixedCase& c = GetParam();
    const TLabRun run = LabRun(c.setup);
    ASSERT_EQ(run.refusal, TLabRefusal::None);
    EXPECT_EQ(RegistersWithShift(run, c.states.size()), c.states);
    ExpectResults(run, c);
    ExpectResult(run.exactFirst, c.exactFirst, "exactFirst");
    EXPECT_EQ(run.unit, ldexpl(1, -c.setup.fractionBits));
}

// The first states of the fixed-point figures: (rawX, rawY, rawZ, sigma, shift).
const TRegisterRows kHyperbolicStates = {{19784, 0, 8192, 1, 1},
                                         {19784, 9892, -808, -1, 2},
                                         {17311, 4946, 3377, 1, 3},
                                         {17929, 7109, 1318, 1, 4},
                                         {18373, 8229, 293, 1, 4}};
// With 4 guard bits the registers carry 18 fraction bits; the results are rounded back to 14.
const TRegisterRows kGuardedStates = {
    {316538, 0, 131072, 1, 1}, {316538, 158269, -12925, -1, 2}, {276971, 79135, 54030, 1, 3}};
const TRegisterRows kLinearStates = {{12288, 0, 21299, 1, 0},
                                     {12288, 12288, 4915, 1, 1},
                                     {12288, 18432, -3277, -1, 2},
                                     {12288, 15360, 819, 1, 3},
                                     {12288, 16896, -1229, -1, 4}};
const TRegisterRows kFoldedStates = {{24576, -8192, 0, 1, 0}, {24576, 16384, -8192, -1, 1}};
const TRegisterRows kNoStates;

INSTANTIATE_TEST_SUITE_P(
    Figures, FixedSystemTest,
    testing::Values(
        // Results 18476, 8539 and 27015 / 2^14.
        FixedCase{"Hyperbolic16_14", Fixed(Hyperbolic(Rotation(0.5L, 16)), 16, 14),
                  kHyperbolicStates, 1.127685546875L, 0.52117919921875L, 1.64886474609375L, "0.976",
                  "1.37", "2.35"},
        FixedCase{"Hyperbolic16_14HalfEvenFourGuardBits",
                  Fixed(Hyperbolic(Rotation(0.5L, 16)), 16, 14, HalfEven, 4), kGuardedStates,
                  1.12762451171875L, 0.52105712890625L, 1.648681640625L, "0.0238", "0.625",
                  "0.649"},
        // e = 2.718 is beyond the 2 - 2^-14 of 16/14: raw 44539 wraps to -20997.
        FixedCase{"ExpOfOneWraps16_14", Fixed(Hyperbolic(Rotation(1, 16)), 16, 14), kNoStates,
                  1.54315185546875L, 1.17529296875L, -1.28155517578125L, "1.17", "1.5", nullptr},
        FixedCase{"ExpOfOne16_13", Fixed(Hyperbolic(Rotation(1, 16)), 16, 13), kNoStates, kNotGiven,
                  kNotGiven, 2.71826171875L, nullptr, nullptr, "0.165"},
        // z raw 363408 and length raw 2965815 / 2^20.
        FixedCase{"HyperbolicVectoringForLnTwo24_20",
                  Fixed(Hyperbolic(Vectoring(3, 1, 24)), 24, 20), kNoStates, 0.3465728759765625L,
                  2.8284215927124023438L, 0, "0.749", "5.8", "0"},
        FixedCase{"HyperbolicVectoringForRootTwo24_20",
                  Fixed(Hyperbolic(Vectoring(2.25L, 1.75L, 24)), 24, 20), kNoStates,
                  1.039722442626953125L, 1.4142055511474609375L, 0, "1.75", "8.4", "0"},
        // y raw 15974; c = 1.3 is held as 21299 / 2^14, so the exact product is 0.97499...
        FixedCase{"LinearRotation16_14", Fixed(LinearRotation(0.75L, 0, 1.3L, 20), 16, 14),
                  kLinearStates, 0.9749755859375L, 0.75L, 0, "0.25", "0", "0", 0.9749908447265625L},
        FixedCase{"LinearVectoring16_13", Fixed(LinearVectoring(3, 1, 16), 16, 13), kNoStates,
                  0.333251953125L, 3, 0, "0.667", "0", "0"},
        FixedCase{"LinearVectoringFolded16_13", Fixed(LinearVectoring(-3, 1, 16), 16, 13),
                  kFoldedStates, -0.333251953125L, kNotGiven, 0, nullptr, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// A result that wraps as it leaves the word marks the state after the last, and only it.
TEST(FixedSystemTest, WrappedExpMarksTheLastState) {
    const TLabRun run = LabRun(Fixed(Hyperbolic(Rotation(1, 16)), 16, 14));
    EXPECT_EQ(FirstOverflow(run), 16);
    EXPECT_EQ(LabRun(Fixed(Hyperbolic(Rotation(1, 16)), 16, 13)).states.back().overflow, false);
}

} // namespace
