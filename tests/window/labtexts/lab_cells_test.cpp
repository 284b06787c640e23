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
    const TLabState state{3, -1, 0, 0, 0, -75, 20, 5, false};
    EXPECT_EQ(LabDroppedBits(state, kLabColumnXBits, 8), 3);
    EXPECT_EQ(LabDroppedBits(state, kLabColumnYBits, 8), 3);
    EXPECT_EQ(LabDroppedBits(state, kLabColumnZBits, 8), 0);
    // "10.110101": the marks start at the sixth character, on "101".
    EXPECT_EQ(LabDroppedStart(3, 8, 6), 6U);
}

TEST(LabDroppedTest, TheDotLiesAmongDroppedBitsPastF) {
    EXPECT_EQ(LabDroppedStart(7, 8, 6), 1U); // "1|0.110101"
    EXPECT_EQ(LabDroppedStart(8, 8, 0), 0U); // every bit and the dot after them
    EXPECT_EQ(LabDroppedStart(0, 8, 6), 9U); // step 0 drops nothing
}

TEST(LabDroppedTest, TheStateAfterTheLastStepAndLongShiftsDrop) {
    const TLabState last{14, 0, 0, 0, 0, 1, 1, 1, false};
    EXPECT_EQ(LabDroppedBits(last, kLabColumnXBits, 16), 0);
    const TLabState late{40, 1, 0, 0, 0, 1, 1, 1, false};
    EXPECT_EQ(LabDroppedBits(late, kLabColumnYBits, 16), 16);
}

TEST(LabValueTextTest, ShortestTextThatKeepsTheRegister) {
    EXPECT_EQ(LabValueText(9949.0L / 16384, Fixed(16, 14)), "0.60724");
    EXPECT_EQ(LabValueText(8579.0L / 16384, Fixed(16, 14)), "0.5236");
    EXPECT_EQ(LabValueText(-4289.0L / 16384, Fixed(16, 14)), "-0.2618");
    EXPECT_EQ(LabValueText(-1.5L, Fixed(8, 1)), "-1.5");
    EXPECT_EQ(LabValueText(0.0L, Fixed(16, 14)), "0");
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
    const TLabState state{0, 1, 9949.0L / 16384, 0, 8579.0L / 16384, 9949, 0, 8579, false};
    EXPECT_EQ(LabCellText(state, kLabColumnIndex, setup), "0");
    EXPECT_EQ(LabCellText(state, kLabColumnSigma, setup), "+");
    EXPECT_EQ(LabCellText(state, kLabColumnY, setup), "0");
    EXPECT_EQ(LabCellText(state, kLabColumnZBits, setup), "00.10000110000011");
    const TLabState last{14, 0, 0, 0, 0, 0, 0, 0, false};
    EXPECT_EQ(LabCellText(last, kLabColumnSigma, setup), "");
}

TEST(LabTableTsvTest, HeaderRowThenEveryStateFloatingFormatsWithoutBits) {
    TLabRun run{};
    run.states = {{0, -1, 0.5L, 0.25L, -1, 0, 0, 0, false}, {1, 0, 0.75L, 0, 0, 0, 0, 0, false}};
    EXPECT_EQ(LabTableTsv(run, Floating(TLabArithmetic::Double)),
              "i\tsmer\tx\ty\tz\n0\t\u2212\t0.5\t0.25\t-1\n1\t\t0.75\t0\t0");
    EXPECT_EQ(LabTableTsv(TLabRun{}, Fixed(16, 14)), "");
}

} // namespace
