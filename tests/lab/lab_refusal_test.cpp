#include "angle_input.h"
#include "cordic.h"
#include "lab.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInfinity = std::numeric_limits<long double>::infinity();
constexpr long double kExtendedPi = 0xc.90fdaa22168c235p-2L;

TLabSetup Make(TLabMode mode, TLabArithmetic arithmetic, long double a, long double b = 0,
               std::int32_t steps = 54, std::int32_t wordBits = 16, std::int32_t fraction = 14) {
    TLabSetup setup;
    setup.mode = mode;
    setup.arithmetic = arithmetic;
    setup.steps = steps;
    setup.wordBits = wordBits;
    setup.fractionBits = fraction;
    setup.theta = a;
    setup.x0 = a;
    setup.y0 = b;
    return setup;
}

constexpr TLabMode kRot = TLabMode::Rotation;
constexpr TLabMode kVec = TLabMode::Vectoring;
constexpr TLabArithmetic kExt = TLabArithmetic::Extended;
constexpr TLabArithmetic kDbl = TLabArithmetic::Double;
constexpr TLabArithmetic kSgl = TLabArithmetic::Single;
constexpr TLabArithmetic kFix = TLabArithmetic::Fixed;

struct RefusalCase {
    const char* name;
    TLabSetup setup;
    TLabRefusal expected;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, RefusesOrRuns) {
    const RefusalCase& c = GetParam();
    const TLabRun run = LabRun(c.setup);
    EXPECT_EQ(run.refusal, c.expected);
    const std::size_t states = c.expected == TLabRefusal::None ? c.setup.steps + 1 : 0;
    EXPECT_EQ(run.states.size(), states);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, RefusalTest,
    testing::Values(
        RefusalCase{"NoSteps", Make(kRot, kExt, 0.5L, 0, 0), TLabRefusal::BadSetup},
        RefusalCase{"SixtyFiveSteps", Make(kRot, kExt, 0.5L, 0, 65), TLabRefusal::BadSetup},
        RefusalCase{"SevenBitWord", Make(kRot, kFix, 0.5L, 0, 54, 7, 4), TLabRefusal::BadSetup},
        RefusalCase{"SixtyFiveBitWord", Make(kRot, kFix, 0.5L, 0, 54, 65, 4),
                    TLabRefusal::BadSetup},
        RefusalCase{"AllBitsFraction", Make(kRot, kFix, 0.5L, 0, 54, 16, 16),
                    TLabRefusal::BadSetup},
        RefusalCase{"NegativeFraction", Make(kRot, kFix, 0.5L, 0, 54, 16, -1),
                    TLabRefusal::BadSetup},
        RefusalCase{"BadSetupBeforeNaN", Make(kRot, kExt, kNaN, 0, 0), TLabRefusal::BadSetup},
        RefusalCase{"WordIgnoredOutsideFixed", Make(kRot, kDbl, 0.5L, 0, 54, 0, 99),
                    TLabRefusal::None},
        RefusalCase{"NaNAngle", Make(kRot, kExt, kNaN), TLabRefusal::OutOfDomain},
        RefusalCase{"InfiniteAngle", Make(kRot, kSgl, -kInfinity), TLabRefusal::OutOfDomain},
        RefusalCase{"HugeAngle", Make(kRot, kExt, 1e4000L), TLabRefusal::OutOfDomain},
        RefusalCase{"JustPastPi", Make(kRot, kExt, nextafterl(kExtendedPi, 4)),
                    TLabRefusal::OutOfDomain},
        RefusalCase{"MinusPi", Make(kRot, kExt, -kExtendedPi), TLabRefusal::None},
        RefusalCase{"PiInSingle", Make(kRot, kSgl, kExtendedPi), TLabRefusal::None},
        // 16/14 holds +-2 but not pi: an angle beyond pi/2 cannot be folded.
        RefusalCase{"FoldWithoutRoomForPi", Make(kRot, kFix, 1.6L), TLabRefusal::DoesNotFit},
        RefusalCase{"FoldWithRoomForPi", Make(kRot, kFix, 3.1L, 0, 54, 16, 13), TLabRefusal::None},
        RefusalCase{"NaNPoint", Make(kVec, kExt, kNaN, 1), TLabRefusal::DoesNotFit},
        RefusalCase{"InfinitePoint", Make(kVec, kExt, 1, kInfinity), TLabRefusal::DoesNotFit},
        RefusalCase{"HugePointInExtended", Make(kVec, kExt, 1e4000L, 1), TLabRefusal::None},
        RefusalCase{"HugePointInDouble", Make(kVec, kDbl, 1e4000L, 1), TLabRefusal::DoesNotFit},
        RefusalCase{"HugePointInSingle", Make(kVec, kSgl, 1, 1e39L), TLabRefusal::DoesNotFit},
        RefusalCase{"HugePointInFixed", Make(kVec, kFix, 1e4000L, 1, 54, 64, 0),
                    TLabRefusal::DoesNotFit},
        RefusalCase{"TwoInSixteenFourteen", Make(kVec, kFix, 2, 0), TLabRefusal::DoesNotFit},
        RefusalCase{"Origin", Make(kVec, kExt, 0, 0), TLabRefusal::Origin},
        RefusalCase{"NegativeZeroOrigin", Make(kVec, kDbl, -0.0L, -0.0L), TLabRefusal::Origin},
        RefusalCase{"RoundsToOriginInFixed", Make(kVec, kFix, 1e-10L, -1e-10L),
                    TLabRefusal::Origin}),
    [](const auto& info) { return std::string(info.param.name); });

// Registers within their W bits and values that are exactly raw 2^-F, however the run wraps.
void ExpectRegistersInWord(const TLabRun& run, const TLabSetup& setup) {
    const long double top = ldexpl(1, setup.wordBits - 1);
    for (const TLabState& s : run.states) {
        for (auto [raw, value] : {std::pair{s.rawX, s.x}, {s.rawY, s.y}, {s.rawZ, s.z}}) {
            EXPECT_GE(raw, -top);
            EXPECT_LE(raw, top - 1);
            EXPECT_EQ(value, ldexpl(raw, -setup.fractionBits));
        }
    }
}

// The word-size extremes: UndefinedBehaviorSanitizer watches the shifts, sums and products.
TEST(FixedExtremesTest, WordsOfEightAndSixtyFourBitsRunWithoutFault) {
    for (const TLabSetup& setup :
         {Make(kRot, kFix, 0.5L, 0, 64, 64, 63), Make(kRot, kFix, -3, 0, 64, 64, 0),
          Make(kVec, kFix, 9e18L, -9e18L, 64, 64, 0), Make(kVec, kFix, -0.75L, -0.5L, 64, 64, 61),
          Make(kRot, kFix, -0.5L, 0, 64, 8, 7), Make(kVec, kFix, 127, -128, 64, 8, 0)}) {
        const TLabRun run = LabRun(setup);
        ASSERT_EQ(run.refusal, TLabRefusal::None);
        ExpectRegistersInWord(run, setup);
    }
}

// -2^63 has no positive counterpart in 64 bits: the fold's negation wraps it onto itself.
TEST(FixedExtremesTest, MostNegativeRegisterWrapsInTheFold) {
    const TLabSetup setup = Make(kVec, kFix, -8, 1, 16, 64, 60);
    const TLabRun run = LabRun(setup);
    ASSERT_EQ(run.refusal, TLabRefusal::None);
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
        TLabSetup setup;
        setup.theta = theta;
        const TLabRun run = LabRun(setup);
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
