#include "angle_input.h"
#include "cordic.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

// Relative agreement to 15 significant digits: the expected values below are checked to 15
// digits, whatever number of digits they are written with.
void ExpectDigits15(long double actual, long double expected) {
    const long double tolerance = 5e-15L * std::max(fabsl(expected), 1e-300L);
    EXPECT_NEAR(actual, expected, tolerance);
}

std::vector<TCordicStep> Trace(long double theta, TCordicResult* result = nullptr) {
    std::vector<TCordicStep> steps;
    const TCordicResult r =
        CordicRotate(theta, [&](const TCordicStep& step) { steps.push_back(step); });
    if (result != nullptr) {
        *result = r;
    }
    return steps;
}

long double Degrees(const char* text) {
    const TAngleOutcome outcome = ParseAngle(text, kUnitDegrees);
    EXPECT_EQ(outcome.kind, TAngleOutcome::Ok) << text;
    return outcome.theta;
}

struct GainCase {
    const char* name;
    std::int32_t m;
    long double expected;
};

class CordicGainTest : public testing::TestWithParam<GainCase> {};

TEST_P(CordicGainTest, MatchesTheExactProduct) {
    ExpectDigits15(CordicGain(GetParam().m), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Factors, CordicGainTest,
    testing::Values(GainCase{"NoFactorForNegativeM", -1, 1.0L},
                    GainCase{"NoFactorForMostNegativeM", INT32_MIN, 1.0L},
                    GainCase{"FirstFactorIsOneOverRootTwo", 0, 0.70710678118654752440L},
                    GainCase{"AllFiftyFourFactors", 53, 0.6072529350088812561694467525L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CordicGainTest, FullGainAgreesToEighteenDigits) {
    EXPECT_NEAR(CordicGain(53), 0.6072529350088812561694467525L, 2e-18L);
}

TEST(CordicRotateTest, NotifiesEveryStepOnceInOrderStartingFromTheGain) {
    const long double theta = 0.3L;
    const std::vector<TCordicStep> steps = Trace(theta);
    ASSERT_EQ(steps.size(), 54u);
    for (std::size_t k = 0; k < steps.size(); ++k) {
        EXPECT_EQ(steps[k].i, static_cast<std::int32_t>(k));
    }
    EXPECT_EQ(steps[0].x, CordicGain(53));
    EXPECT_EQ(steps[0].y, 0.0L);
    EXPECT_EQ(steps[0].z, theta);
}

// The first six steps of the 30-degree trace to 15 digits: (x, y) as notified, and the direction
// the step then takes, which is the sign of the notified residual.
TEST(CordicRotateTest, ThirtyDegreesFirstSixStepsAgreeTo15Digits) {
    struct Row {
        long double x, y;
        int sigma;
    };
    const Row expected[] = {
        {0.607252935008881L, 0.0L, +1},
        {0.607252935008881L, 0.607252935008881L, -1},
        {0.910879402513322L, 0.303626467504441L, +1},
        {0.834972785637212L, 0.531346318132771L, -1},
        {0.901391075403808L, 0.426974719928120L, +1},
        {0.874705155408301L, 0.483311662140858L, +1},
    };
    const std::vector<TCordicStep> steps = Trace(Degrees("30"));
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        SCOPED_TRACE(k);
        ExpectDigits15(steps[k].x, expected[k].x);
        ExpectDigits15(steps[k].y, expected[k].y);
        EXPECT_EQ(steps[k].z >= 0.0L ? +1 : -1, expected[k].sigma);
    }
}

struct ResultCase {
    const char* name;
    long double theta;
    long double x, y;
};

class CordicResultTest : public testing::TestWithParam<ResultCase> {};

TEST_P(CordicResultTest, FinalPairAgreesTo15Digits) {
    const auto [x, y, z] = CordicRotate(GetParam().theta, [](const TCordicStep&) {});
    ExpectDigits15(x, GetParam().x);
    ExpectDigits15(y, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, CordicResultTest,
    testing::Values(
        // 30 degrees as the angle input converts it: y lands just below one half.
        ResultCase{"ThirtyDegrees", 0.52359877559829885263L, 0.8660254037844386957L,
                   0.4999999999999999156L},
        // Zero counts as non-negative, so the vector swings up first and never quite returns.
        ResultCase{"Zero", 0.0L, 1.0L, 5.7953021724656462e-17L},
        ResultCase{"NegativeZero", -0.0L, 1.0L, 5.7953021724656462e-17L},
        ResultCase{"LargestAcceptedAngle", kHalfPiDouble, 5.7953021724656462e-17L, 1.0L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CordicRotateTest, ThirtyDegreesIsBelowOneHalfUnlikeTheLibrarySine) {
    const auto [x, y, z] = CordicRotate(Degrees("30"), [](const TCordicStep&) {});
    EXPECT_LT(y, 0.5L);
    EXPECT_NE(y, sinl(Degrees("30")));
}

// A NaN residual compares false with zero: every step turns clockwise, by the whole sum of the
// step angles, 1.74328662047233989248 rad. One step turned the other way would move the pair
// by at least 2 atan 2^-53 = 2.2e-16.
TEST(CordicRotateTest, NotANumberTurnsClockwiseAtEveryStep) {
    const auto [x, y, z] =
        CordicRotate(std::numeric_limits<long double>::quiet_NaN(), [](const TCordicStep&) {});
    EXPECT_NEAR(x, -0.17163621744657501478L, 1e-17L);
    EXPECT_NEAR(y, -0.98516039752957590074L, 1e-17L);
    EXPECT_TRUE(std::isnan(z));
}

TEST(CordicRotateTest, NegatedAngleMirrorsTheVector) {
    for (const long double theta : {0.1L, 0.52359877559829885263L, 1.0L, 1.5L}) {
        const auto [xp, yp, zp] = CordicRotate(theta, [](const TCordicStep&) {});
        const auto [xn, yn, zn] = CordicRotate(-theta, [](const TCordicStep&) {});
        EXPECT_EQ(xn, xp) << theta;
        EXPECT_EQ(yn, -yp) << theta;
    }
}

TEST(CordicRotateTest, LastNotifiedStateIsNotTheResult) {
    TCordicResult result{};
    const std::vector<TCordicStep> steps = Trace(0.7L, &result);
    EXPECT_EQ(steps.back().i, 53);
    EXPECT_NE(steps.back().y, result.y);
}

TEST(CordicRotateTest, ExceptionFromTheNotificationEndsTheRotation) {
    int calls = 0;
    EXPECT_THROW(CordicRotate(0.2L,
                              [&](const TCordicStep& step) {
                                  ++calls;
                                  if (step.i == 7) {
                                      throw std::runtime_error("stop");
                                  }
                              }),
                 std::runtime_error);
    EXPECT_EQ(calls, 8);
}

} // namespace
