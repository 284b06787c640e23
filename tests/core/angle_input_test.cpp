#include "angle_input.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace {

constexpr long double kSkip = std::numeric_limits<long double>::quiet_NaN();

struct AngleCase {
    const char* name;
    const char* text;
    int unit;
    TAngleOutcome::Kind kind;
    long double theta = kSkip; // checked exactly when given
};

// GoogleTest names the case instead of dumping its bytes, padding included.
void PrintTo(const AngleCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseAngleTest : public testing::TestWithParam<AngleCase> {};

TEST_P(ParseAngleTest, GivesTheExpectedOutcome) {
    const AngleCase& c = GetParam();
    const TAngleOutcome outcome = ParseAngle(c.text, c.unit);
    EXPECT_EQ(outcome.kind, c.kind);
    if (outcome.kind == TAngleOutcome::Ok && c.theta == c.theta) {
        EXPECT_EQ(outcome.theta, c.theta);
    }
}

constexpr int kDeg = kUnitDegrees;
constexpr int kRad = kUnitRadians;
constexpr auto kOk = TAngleOutcome::Ok;
constexpr auto kNaN = TAngleOutcome::NotANumber;
constexpr auto kOut = TAngleOutcome::OutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseAngleTest,
    testing::Values(
        AngleCase{"NinetyDegreesIsExactlyTheBound", "90", kDeg, kOk, kHalfPiDouble},
        AngleCase{"MinusNinetyDegreesIsExactlyTheLowerBound", "-90", kDeg, kOk, -kHalfPiDouble},
        AngleCase{"NinetyOneDegreesIsOutOfRange", "91", kDeg, kOut},
        AngleCase{"JustOverNinetyDegreesIsOutOfRange", "90.000000000000001", kDeg, kOut},
        AngleCase{"RadiansJustBelowTheBound", "1.5707", kRad, kOk, 1.5707L},
        AngleCase{"RadiansJustAboveTheBound", "1.5708", kRad, kOut},
        AngleCase{"DoublePiHalfTextRoundsAboveTheBound", "1.5707963267948966", kRad, kOut},
        AngleCase{"NegativeRadiansAboveTheBound", "-1.5708", kRad, kOut},
        AngleCase{"ZeroDegrees", "0", kDeg, kOk, 0.0L},
        AngleCase{"ZeroRadians", "0", kRad, kOk, 0.0L},
        AngleCase{"DegreesUseTheDoublePi", "45", kDeg, kOk, kPiDouble / 4},
        AngleCase{"ThirtyDegreesTimesPiThenOneOver180", "30", kDeg, kOk,
                  (30.0L * kPiDouble) * kOneOver180},
        AngleCase{"DecimalCommaInDegrees", "22,5", kDeg, kOk, (22.5L * kPiDouble) * kOneOver180},
        AngleCase{"UnknownUnitIndexMeansRadians", "1", 7, kOk, 1.0L},
        AngleCase{"NoUnitSelectedMeansRadians", "1", -1, kOk, 1.0L},
        AngleCase{"EmptyText", "", kDeg, kNaN}, AngleCase{"Letters", "abc", kRad, kNaN},
        AngleCase{"NotANumberName", "nan", kRad, kNaN},
        AngleCase{"HugeRadians", "1e4000", kRad, kOut},
        AngleCase{"OverflowingRadians", "1e5000", kRad, kOut},
        AngleCase{"OverflowingNegativeRadians", "-1e5000", kRad, kOut},
        // v * pi overflows the extended range: infinity, refused rather than a failure.
        AngleCase{"DegreesOverflowingInTheConversion", "1e4932", kDeg, kOut},
        AngleCase{"NegativeDegreesOverflowingInTheConversion", "-1e4932", kDeg, kOut},
        AngleCase{"TinyDegreesUnderflowToZeroOrSubnormal", "1e-4950", kDeg, kOk}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseAngleTest, ConstantsHaveTheirExactSignificands) {
    const auto significand = [](long double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits); // the low 8 bytes of the x87 format
        return bits;
    };
    EXPECT_EQ(significand(kPiDouble), 0xC90FDAA22168C000u);
    EXPECT_EQ(significand(kOneOver180), 0xB60B60B60B60B60Bu);
    EXPECT_EQ(kHalfPiDouble, kPiDouble / 2);
    EXPECT_EQ(static_cast<double>(kHalfPiDouble), 1.5707963267948966);
}

} // namespace
