#include "lab_cells.h"

#include <gtest/gtest.h>
#include <numbers>
#include <string>

namespace {

TLabSetup Fixed(std::int32_t w, std::int32_t f) {
    TLabSetup setup;
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.wordBits = w;
    setup.fractionBits = f;
    return setup;
}

TLabSetup Floating(TLabArithmetic arithmetic) {
    TLabSetup setup;
    setup.arithmetic = arithmetic;
    return setup;
}

TEST(LabBitsTextTest, RegisterInTwosComplementWithTheDotAfterTheIntegerBits) {
    EXPECT_EQ(LabBitsText(9949, 16, 14), "00.10011011011101");
    EXPECT_EQ(LabBitsText(-4289, 16, 14), "11.10111100111111");
    EXPECT_EQ(LabBitsText(-75, 8, 6), "10.110101");
    EXPECT_EQ(LabBitsText(-1, 8, 7), "1.1111111");
    EXPECT_EQ(LabBitsText(5, 8, 0), "00000101.");
    EXPECT_EQ(LabBitsText(INT64_MIN, 64, 3).substr(0, 4), "1000");
}

TEST(LabDroppedTest, StepThreeDropsTheThreeLowestBitsOfXAndY) {
    const TLabSetup setup = Fixed(8, 6);
    const TLabState state{3, -1, 0, 0, 0, -75, 20, 5, false, 3};
    EXPECT_EQ(LabDroppedBits(state, kLabColumnXBits, setup), 3);
    EXPECT_EQ(LabDroppedBits(state, kLabColumnYBits, setup), 3);
    EXPECT_EQ(LabDroppedBits(state, kLabColumnZBits, setup), 0);
    // "10.110101": the marks start at the sixth character, on "101".
    EXPECT_EQ(LabDroppedStart(3, setup), 6U);
}

TEST(LabDroppedTest, TheDotLiesAmongDroppedBitsPastF) {
    EXPECT_EQ(LabDroppedStart(7, Fixed(8, 6)), 1U); // "1|0.110101"
    EXPECT_EQ(LabDroppedStart(8, Fixed(8, 0)), 0U); // every bit and the dot after them
    EXPECT_EQ(LabDroppedStart(0, Fixed(8, 6)), 9U); // a shift of 0 drops nothing
}

TEST(LabDroppedTest, TheStepsShiftNotItsIndexCountsAndTheGuardBitsWiden) {
    TLabSetup setup = Fixed(16, 14);
    setup.system = TLabSystem::Hyperbolic;
    const TLabState repeat{4, 1, 0, 0, 0, 1, 1, 1, false, 4}; // the second step of shift 4
    EXPECT_EQ(LabDroppedBits(repeat, kLabColumnYBits, setup), 4);
    const TLabState last{14, 0, 0, 0, 0, 1, 1, 1, false, 0};
    EXPECT_EQ(LabDroppedBits(last, kLabColumnXBits, setup), 0);
    const TLabState late{40, 1, 0, 0, 0, 1, 1, 1, false, 38};
    EXPECT_EQ(LabDroppedBits(late, kLabColumnYBits, setup), 16);
    setup.guardBits = 4;
    EXPECT_EQ(LabDroppedBits(late, kLabColumnYBits, setup), 20);
    // "01.001101010001111010": 20 bits, the dot after the two integer bits.
    EXPECT_EQ(LabDroppedStart(4, setup), 17U);
    EXPECT_EQ(LabDroppedStart(19, setup), 1U);
}

TEST(LabDroppedTest, LinearStepsShiftXAloneIntoY) {
    TLabSetup setup = Fixed(16, 13);
    setup.system = TLabSystem::Linear;
    const TLabState state{2, -1, 0, 0, 0, 24576, 16384, -8192, false, 2};
    EXPECT_EQ(LabDroppedBits(state, kLabColumnXBits, setup), 2);
    EXPECT_EQ(LabDroppedBits(state, kLabColumnYBits, setup), 0);
}

TEST(LabExactDecimalTest, FewestDecimalPlacesThatHoldTheRegister) {
    EXPECT_EQ(LabExactDecimal(3, 2), "0.75");
    EXPECT_EQ(LabExactDecimal(-1, 2), "-0.25");
    EXPECT_EQ(LabExactDecimal(9949, 14), "0.60723876953125");
    EXPECT_EQ(LabExactDecimal(-20997, 14), "-1.28155517578125");
    EXPECT_EQ(LabExactDecimal(40, 3), "5");
    EXPECT_EQ(LabExactDecimal(0, 14), "0");
    EXPECT_EQ(LabExactDecimal(INT64_MAX, 0), "9223372036854775807");
    EXPECT_EQ(LabExactDecimal(INT64_MIN, 63), "-1");
    EXPECT_EQ(LabExactDecimal(1, 63),
              "0.000000000000000000108420217248550443400745280086994171142578125");
}

TEST(LabValueTextTest, FixedPointShowsTheRegistersExactValue) {
    EXPECT_EQ(LabValueText(0.75L, Fixed(8, 2)), "0.75"); // the bits .11, not 0.8
    EXPECT_EQ(LabValueText(9949.0L / 16384, Fixed(16, 14)), "0.60723876953125");
    EXPECT_EQ(LabValueText(-4289.0L / 16384, Fixed(16, 14)), "-0.26177978515625");
    EXPECT_EQ(LabValueText(-1.5L, Fixed(8, 1)), "-1.5");
    EXPECT_EQ(LabValueText(0.0L, Fixed(16, 14)), "0");
    TLabSetup guarded = Fixed(16, 14);
    guarded.guardBits = 4;
    EXPECT_EQ(LabValueText(316538.0L / 262144, guarded), "1.20749664306640625");
    EXPECT_EQ(LabResultText(14191.0L / 16384, guarded), "0.86614990234375");
}

TEST(LabValueTextTest, BeyondTwentyOneDigitsTheShortestTextThatKeepsTheRegister) {
    // 0.5 + 2^-60 needs 60 decimal places; 18 digits bring back the same register.
    EXPECT_EQ(LabValueText(0.5L + 0x1p-60L, Fixed(64, 60)), "≈0.500000000000000001");
    EXPECT_EQ(LabValueText(-0.5L, Fixed(64, 60)), "-0.5");
}

TEST(LabValueTextTest, ShortestTextThatKeepsTheFloatingValue) {
    EXPECT_EQ(LabValueText(0.1f, Floating(TLabArithmetic::Single)), "0.1");
    EXPECT_EQ(LabValueText(0.1, Floating(TLabArithmetic::Double)), "0.1");
    EXPECT_EQ(LabValueText(static_cast<double>(std::numbers::pi_v<long double>),
                           Floating(TLabArithmetic::Double)),
              "3.141592653589793");
    EXPECT_EQ(LabValueText(std::numbers::pi_v<long double>, Floating(TLabArithmetic::Extended)),
              "3.1415926535897932385");
}

TEST(LabCellTextTest, FirstStateOfSixteenBitThirtyDegrees) {
    const TLabSetup setup = Fixed(16, 14);
    const TLabState state{0, 1, 9949.0L / 16384, 0, 8579.0L / 16384, 9949, 0, 8579, false, 0};
    EXPECT_EQ(LabCellText(state, kLabColumnIndex, setup), "0");
    EXPECT_EQ(LabCellText(state, kLabColumnSigma, setup), "+");
    EXPECT_EQ(LabCellText(state, kLabColumnShift, setup), "0");
    EXPECT_EQ(LabCellText(state, kLabColumnY, setup), "0");
    EXPECT_EQ(LabCellText(state, kLabColumnZBits, setup), "00.10000110000011");
    const TLabState last{14, 0, 0, 0, 0, 0, 0, 0, false, 0};
    EXPECT_EQ(LabCellText(last, kLabColumnSigma, setup), "");
    EXPECT_EQ(LabCellText(last, kLabColumnShift, setup), "");
}

TEST(LabCellTextTest, GuardBitsFollowTheFractionBits) {
    TLabSetup setup = Fixed(16, 14);
    setup.guardBits = 4;
    const TLabState state{1, -1, 0, -158269.0L / 262144, 0, 316538, -158269, 0, false, 2};
    EXPECT_EQ(LabCellText(state, kLabColumnXBits, setup), "01.001101010001111010");
    EXPECT_EQ(LabCellText(state, kLabColumnYBits, setup), "11.011001010111000011");
    EXPECT_EQ(LabCellText(state, kLabColumnY, setup), "-0.603748321533203125");
}

TEST(LabTableTsvTest, HeaderRowThenEveryStateFloatingFormatsWithoutBits) {
    TLabRun run{};
    run.states = {{0, -1, 0.5L, 0.25L, -1, 0, 0, 0, false, 1},
                  {1, 0, 0.75L, 0, 0, 0, 0, 0, false, 0}};
    EXPECT_EQ(LabTableTsv(run, Floating(TLabArithmetic::Double)),
              "i\tsmer\tposun\tx\ty\tz\n0\t\u2212\t1\t0.5\t0.25\t-1\n1\t\t\t0.75\t0\t0");
    EXPECT_EQ(LabTableTsv(TLabRun{}, Fixed(16, 14)), "");
}

} // namespace
