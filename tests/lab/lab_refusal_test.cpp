#include "cordic.h"
#include "lab_setups.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInfinity = std::numeric_limits<long double>::infinity();
constexpr long double kExtendedPi = 0xc.90fdaa22168c235p-2L;
constexpr auto kDouble = TLabArithmetic::Double;
constexpr auto kSingle = TLabArithmetic::Single;
constexpr auto kFloor = TLabRounding::Floor;

// A double setup with fixed-point settings no word takes.
TLabSetup GuardedDouble(TLabSetup setup) {
    setup.arithmetic = kDouble;
    setup.guardBits = 40;
    setup.rounding = static_cast<TLabRounding>(7);
    return setup;
}

TLabSetup WithSystem(TLabSetup setup, int system) {
    setup.system = static_cast<TLabSystem>(system);
    return setup;
}

struct RefusalCase {
    const char* name;
    TLabSetup setup;
    TLabRefusal expected;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, RefusesWithoutStatesOrRunsAllSteps) {
    const RefusalCase& c = GetParam();
    const TLabRun run = LabRun(c.setup);
    EXPECT_EQ(run.refusal, c.expected);
    EXPECT_EQ(run.states.size(), c.expected == TLabRefusal::None ? c.setup.steps + 1 : 0u);
}

using enum TLabRefusal;

INSTANTIATE_TEST_SUITE_P(
    Setups, RefusalTest,
    testing::Values(
        RefusalCase{"NoSteps", Rotation(0.5L, 0), BadSetup},
        RefusalCase{"SixtyFiveSteps", Rotation(0.5L, 65), BadSetup},
        RefusalCase{"SevenBitWord", Fixed(Rotation(0.5L), 7, 4), BadSetup},
        RefusalCase{"AllBitsFraction", Fixed(Rotation(0.5L), 16, 16), BadSetup},
        RefusalCase{"BadSetupBeforeNaN", Rotation(kNaN, 0), BadSetup},
        RefusalCase{"NaNAngle", Rotation(kNaN), OutOfDomain},
        RefusalCase{"InfiniteAngle", In(Rotation(-kInfinity), kSingle), OutOfDomain},
        RefusalCase{"HugeAngle", Rotation(1e4000L), OutOfDomain},
        RefusalCase{"JustPastPi", Rotation(nextafterl(kExtendedPi, 4)), OutOfDomain},
        RefusalCase{"PiInSingle", In(Rotation(kExtendedPi), kSingle), None},
        // 16/14 holds +-2 but not pi, so an angle beyond pi/2 cannot be folded.
        RefusalCase{"FoldWithoutRoomForPi", Fixed(Rotation(1.6L), 16, 14), DoesNotFit},
        RefusalCase{"FoldWithRoomForPi", Fixed(Rotation(3.1L), 16, 13), None},
        RefusalCase{"NaNPoint", Vectoring(kNaN, 1), DoesNotFit},
        RefusalCase{"HugePointInExtended", Vectoring(1e4000L, 1), None},
        RefusalCase{"HugePointInDouble", In(Vectoring(1e4000L, 1), kDouble), DoesNotFit},
        RefusalCase{"HugePointInSingle", In(Vectoring(1, 1e39L), kSingle), DoesNotFit},
        RefusalCase{"HugePointInFixed", Fixed(Vectoring(1e4000L, 1), 64, 0), DoesNotFit},
        RefusalCase{"TwoInSixteenFourteen", Fixed(Vectoring(2, 0), 16, 14), DoesNotFit},
        RefusalCase{"Origin", Vectoring(0, 0), Origin},
        RefusalCase{"NegativeZeroOrigin", In(Vectoring(-0.0L, -0.0L), kDouble), Origin},
        RefusalCase{"RoundsToOriginInFixed", Fixed(Vectoring(1e-10L, -1e-10L), 16, 14), Origin},
        // Guard bits and rounding: read for fixed point only.
        RefusalCase{"SeventeenGuardBits", Fixed(Rotation(0.5L), 16, 14, kFloor, 17), BadSetup},
        RefusalCase{"WordAndGuardPast64", Fixed(Rotation(0.5L), 49, 14, kFloor, 16), BadSetup},
        RefusalCase{"UnknownRounding", Fixed(Rotation(0.5L), 16, 14, static_cast<TLabRounding>(3)),
                    BadSetup},
        RefusalCase{"GuardBitsOfDoubleUnread", GuardedDouble(Rotation(0.5L)), None},
        RefusalCase{"UnknownSystem", WithSystem(Rotation(0.5L), 3), BadSetup},
        // Linear and hyperbolic rotation take |theta| <= 4, checked before the fit.
        RefusalCase{"HyperbolicFour", Hyperbolic(Rotation(-4)), None},
        RefusalCase{"HyperbolicPastFour", Hyperbolic(Rotation(nextafterl(4, 5))), OutOfDomain},
        RefusalCase{"LinearNaN", LinearRotation(1, 0, kNaN, 20), OutOfDomain},
        RefusalCase{"LinearPastFourIn16_14", Fixed(LinearRotation(1, 0, 5, 20), 16, 14),
                    OutOfDomain},
        RefusalCase{"HyperbolicThreeIn16_14", Fixed(Hyperbolic(Rotation(3)), 16, 14), DoesNotFit},
        RefusalCase{"LinearAddendPast16_14", Fixed(LinearRotation(1, 2, 1, 20), 16, 14),
                    DoesNotFit},
        // The point: a quotient needs x0 != 0, atanh(y0 / x0) needs |y0| < x0.
        RefusalCase{"LinearDivisionByZero", LinearVectoring(0, 1, 20), Origin},
        RefusalCase{"LinearDivisionByRoundedZero", Fixed(LinearVectoring(1e-9L, 1, 20), 16, 13),
                    Origin},
        RefusalCase{"HyperbolicOrigin", Hyperbolic(Vectoring(0, 0)), OutOfDomain},
        RefusalCase{"HyperbolicOnTheAsymptote", Hyperbolic(Vectoring(1, -1)), OutOfDomain},
        RefusalCase{"HyperbolicInside", Hyperbolic(Vectoring(1, nextafterl(1, 0))), None},
        RefusalCase{"HyperbolicMostNegativeY",
                    Fixed(Hyperbolic(Vectoring(1, -2)), 64, 62, kFloor, 0), OutOfDomain},
        // The constants come last: alpha_0 = 1 and K'_n need two integer bits.
        RefusalCase{"LinearRotation16_15", Fixed(LinearRotation(0.5L, 0, 0.5L, 16), 16, 15),
                    DoesNotFit},
        RefusalCase{"HyperbolicRotation16_15", Fixed(Hyperbolic(Rotation(0.5L, 16)), 16, 15),
                    DoesNotFit},
        RefusalCase{"PointBeforeConstants", Fixed(Hyperbolic(Vectoring(0.5L, 0.6L)), 16, 15),
                    OutOfDomain},
        RefusalCase{"OriginBeforeConstants", Fixed(LinearVectoring(0, 0.5L, 16), 16, 15), Origin},
        RefusalCase{"ThreeIn16_14", Fixed(LinearVectoring(3, 1, 16), 16, 14), DoesNotFit}),
    [](const auto& info) { return std::string(info.param.name); });

// Registers within their W + G bits and values that are exactly raw 2^-(F + G), however the run
// wraps.
void ExpectRegistersInWord(const TLabRun& run, const TLabSetup& setup) {
    const long double top = ldexpl(1, setup.wordBits + setup.guardBits - 1);
    for (const TLabState& s : run.states) {
        for (auto [raw, value] : {std::pair{s.rawX, s.x}, {s.rawY, s.y}, {s.rawZ, s.z}}) {
            EXPECT_GE(raw, -top);
            EXPECT_LE(raw, top - 1);
            EXPECT_EQ(value, ldexpl(raw, -setup.fractionBits - setup.guardBits));
        }
    }
}

// The word-size extremes: UndefinedBehaviorSanitizer watches the shifts, sums and products.
TEST(FixedExtremesTest, WordsOfEightAndSixtyFourBitsRunWithoutFault) {
    for (const TLabSetup& setup :
         {Fixed(Rotation(0.5L, 64), 64, 63), Fixed(Rotation(-3, 64), 64, 0),
          Fixed(Vectoring(9e18L, -9e18L, 64), 64, 0), Fixed(Vectoring(-0.75L, -0.5L, 64), 64, 61),
          Fixed(Rotation(-0.5L, 64), 8, 7), Fixed(Vectoring(127, -128, 64), 8, 0),
          // A 64-bit internal word: 3.5 * 1.9 wraps, -4 lies beyond the reach, -2^63 is negated.
          Fixed(LinearRotation(3.5L, 0, 1.9L, 64), 48, 45, TLabRounding::HalfUp, 16),
          Fixed(Hyperbolic(Rotation(-4, 64)), 48, 45, TLabRounding::HalfEven, 16),
          Fixed(Vectoring(-4, -0.0L, 64), 48, 45, kFloor, 16)}) {
        const TLabRun run = LabRun(setup);
        ASSERT_EQ(run.refusal, None);
        ExpectRegistersInWord(run, setup);
    }
}

// -2^63 has no positive counterpart in 64 bits: the fold's negation wraps it onto itself.
TEST(FixedExtremesTest, MostNegativeRegisterWrapsInTheFold) {
    const TLabSetup setup = Fixed(Vectoring(-8, 1, 16), 64, 60);
    const TLabRun run = LabRun(setup);
    ASSERT_EQ(run.refusal, None);
    EXPECT_TRUE(run.states[0].overflow);
    EXPECT_EQ(run.states[0].rawX, std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(run.states[0].rawY, -(std::int64_t{1} << 60));
    ExpectRegistersInWord(run, setup);
}

// The main window's setup is the main window's run: every state and both results, bit for bit.
TEST(CoreAgreementTest, DefaultSetupRepeatsTheCoreRotation) {
    for (const char* text : {"30", "-45", "89.999", "90", "-90", "0", "1e-30"}) {
        const long double theta = ParseAngle(text, kUnitDegrees).theta;
        std::vector<TCordicStep> steps;
        const TCordicResult core =
            CordicRotate(theta, [&](const TCordicStep& step) { steps.push_back(step); });
        const TLabRun run = LabRun(Rotation(theta));
        ASSERT_EQ(run.states.size(), steps.size() + 1) << text;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            EXPECT_EQ(run.states[i].x, steps[i].x) << text << " state " << i;
            EXPECT_EQ(run.states[i].y, steps[i].y) << text << " state " << i;
            EXPECT_EQ(run.states[i].z, steps[i].z) << text << " state " << i;
        }
        EXPECT_EQ(run.states.back().z, core.z) << text;
        EXPECT_EQ(run.first, core.x) << text;
        EXPECT_EQ(run.second, core.y) << text;
    }
}

} // namespace
