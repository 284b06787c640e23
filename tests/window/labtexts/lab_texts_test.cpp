#include "angle_input.h"
#include "lab_input.h"
#include "lab_texts.h"
#include "sweep_floor.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

TEST(ThreeDigitsTest, PlainFromAThousandthBelowTenThousandScientificBeyond) {
    EXPECT_EQ(ThreeDigits(2.2216796875L), "2.22");
    EXPECT_EQ(ThreeDigits(615.5L), "616");
    EXPECT_EQ(ThreeDigits(2.5L), "2.5");
    EXPECT_EQ(ThreeDigits(1.0L), "1");
    EXPECT_EQ(ThreeDigits(9.996L), "10");
    EXPECT_EQ(ThreeDigits(0.00135L), "0.00135");
    EXPECT_EQ(ThreeDigits(0.000135498L), "1.35e-4");
    EXPECT_EQ(ThreeDigits(1.1e15L), "1.1e15");
    EXPECT_EQ(ThreeDigits(9999.7L), "1e4");
    EXPECT_EQ(ThreeDigits(0.0L), "0");
}

TEST(LabErrorLineTest, DistanceAndTheSameInUnits) {
    // The 16/14 cosine of 30 degrees, 14191 / 2^14, against cos 30 degrees.
    EXPECT_EQ(LabErrorLine(0.86614990234375L, 0.86602540378443864676L, 0x1p-14L),
              "|chyba| = 1.24e-4 = 2.04 u");
    EXPECT_EQ(LabErrorLine(1.0L, 1.0L, 0x1p-63L), "|chyba| = 0 = 0 u");
}

TEST(LabUnitTextTest, UnitOfEachFormat) {
    TLabSetup setup;
    EXPECT_EQ(LabUnitText(setup), "u = 2^-63");
    setup.arithmetic = TLabArithmetic::Double;
    EXPECT_EQ(LabUnitText(setup), "u = 2^-52");
    setup.arithmetic = TLabArithmetic::Single;
    EXPECT_EQ(LabUnitText(setup), "u = 2^-23");
    setup.arithmetic = TLabArithmetic::Fixed;
    EXPECT_EQ(LabUnitText(setup), "u = 2^-14");
    setup.fractionBits = 0;
    EXPECT_EQ(LabUnitText(setup), "u = 1");
}

TEST(LabRefusalTextTest, OneLinePerRefusal) {
    TLabSetup setup;
    EXPECT_EQ(LabRefusalText(TLabRefusal::None, setup, true), "");
    EXPECT_EQ(LabRefusalText(TLabRefusal::OutOfDomain, setup, true),
              "Uhol musí byť od −180° do 180°");
    EXPECT_EQ(LabRefusalText(TLabRefusal::OutOfDomain, setup, false), "Uhol musí byť od −π do π");
    EXPECT_EQ(LabRefusalText(TLabRefusal::DoesNotFit, setup, true),
              "Hodnota sa do formátu nezmestí");
    EXPECT_EQ(LabRefusalText(TLabRefusal::Origin, setup, true), "Bod (0, 0) nemá uhol");
    EXPECT_EQ(LabRefusalText(TLabRefusal::BadSetup, setup, true),
              "Nastavenie mimo rozsahu: 1 až 64 krokov, slovo 8 až 64 bitov, desatinné bity 0 až "
              "W − 1");
}

TEST(LabRefusalTextTest, FixedPointTellsAMissingPiFromAValueTooLarge) {
    TLabSetup setup;
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.theta = 2.0L; // beyond 90 degrees, and 16/14 holds nothing from 2 on
    EXPECT_EQ(LabRefusalText(TLabRefusal::DoesNotFit, setup, true),
              "Na prehnutie treba π, ktoré sa do slova nezmestí");
    setup.mode = TLabMode::Vectoring;
    setup.x0 = 3;
    setup.y0 = 4;
    EXPECT_EQ(LabRefusalText(TLabRefusal::DoesNotFit, setup, true), "Hodnota sa do slova nezmestí");
}

TEST(ReadLabAngleTest, DegreesAsTheMainWindowConvertsThemCommaOrPoint) {
    EXPECT_EQ(ReadLabAngle("30", true), ParseAngle("30", kUnitDegrees).theta);
    EXPECT_EQ(ReadLabAngle(" 22,5", true), ParseAngle("22.5", kUnitDegrees).theta);
    EXPECT_EQ(ReadLabAngle("1,5", false), 1.5L);
    // Beyond the main window's range, within the laboratory's: 180 degrees is the double pi.
    EXPECT_EQ(ReadLabAngle("180", true), 3.141592653589793116L);
    EXPECT_EQ(ReadLabAngle("tridsať", true), std::nullopt);
    EXPECT_EQ(NotANumberText("Uhol"), "Uhol nie je číslo");
}

TEST(SweepFloorStepsTest, FirstStepCountWithTheLeastError) {
    TLabSweep sweep{};
    for (std::size_t n = 0; n < sweep.size(); ++n) {
        sweep[n] = n < 13 ? 1000.0L - n : n < 17 ? 7.83L : 7.83L + n;
    }
    EXPECT_EQ(SweepFloorSteps(sweep), 14);
    EXPECT_EQ(SweepFloorSteps(TLabSweep{}), 1);
}

} // namespace
