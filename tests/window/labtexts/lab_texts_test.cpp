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

TEST(SignificantTextTest, SixDigitsWithTheirZerosForScripts) {
    EXPECT_EQ(SignificantText(357.0L, 6), "357.000");
    EXPECT_EQ(SignificantText(615.5L, 6), "615.500");
    EXPECT_EQ(SignificantText(2.2216796875L, 6), "2.22168");
    EXPECT_EQ(SignificantText(0.00135L, 6), "0.00135000");
    EXPECT_EQ(SignificantText(0.000123456789L, 6), "1.23457e-4");
    EXPECT_EQ(SignificantText(1234567.0L, 6), "1234567");
    EXPECT_EQ(SignificantText(9999999.7L, 6), "1.00000e7");
    EXPECT_EQ(SignificantText(1.75e14L, 6), "1.75000e14");
    EXPECT_EQ(SignificantText(0.0L, 6), "0");
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
              "W − 1, strážne bity 0 až 16, W + G najviac 64");
}

TEST(LabRefusalTextTest, TheLinearAndHyperbolicSystemsNameTheirOwnBounds) {
    TLabSetup setup;
    setup.system = TLabSystem::Hyperbolic;
    EXPECT_EQ(LabRefusalText(TLabRefusal::OutOfDomain, setup, true), "t musí byť od −4 do 4");
    setup.mode = TLabMode::Vectoring;
    EXPECT_EQ(LabRefusalText(TLabRefusal::OutOfDomain, setup, true),
              "Bod musí ležať medzi asymptotami: x > |y|");
    setup.system = TLabSystem::Linear;
    EXPECT_EQ(LabRefusalText(TLabRefusal::Origin, setup, true), "Nulou sa deliť nedá: x je 0");
    setup.mode = TLabMode::Rotation;
    EXPECT_EQ(LabRefusalText(TLabRefusal::OutOfDomain, setup, true), "c musí byť od −4 do 4");
    // 16/15 holds neither the linear alpha_0 = 1 nor the hyperbolic gain; 16/14 holds both.
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.fractionBits = 15;
    EXPECT_EQ(LabRefusalText(TLabRefusal::DoesNotFit, setup, true),
              "Konštanty sústavy sa do slova nezmestia: treba aspoň 2 celé bity");
    setup.fractionBits = 14;
    EXPECT_EQ(LabRefusalText(TLabRefusal::DoesNotFit, setup, true), "Hodnota sa do slova nezmestí");
}

TEST(LabNamesTest, ResultsAndInputsOfEverySystemAndMode) {
    struct TCase {
        TLabSystem system;
        TLabMode mode;
        const char* names; // first, second, third; theta, x, y
    };
    const TCase cases[] = {
        {TLabSystem::Circular, TLabMode::Rotation, "cos θ|sin θ||Uhol|x|y"},
        {TLabSystem::Circular, TLabMode::Vectoring, "uhol|dĺžka||Uhol|x|y"},
        {TLabSystem::Linear, TLabMode::Rotation, "b + a·c|a||c|a|b"},
        {TLabSystem::Linear, TLabMode::Vectoring, "y / x|x||c|x|y"},
        {TLabSystem::Hyperbolic, TLabMode::Rotation, "cosh t|sinh t|exp t|t|x|y"},
        {TLabSystem::Hyperbolic, TLabMode::Vectoring, "atanh(y / x)|dĺžka||t|x|y"},
    };
    for (const TCase& c : cases) {
        TLabSetup setup;
        setup.system = c.system;
        setup.mode = c.mode;
        EXPECT_EQ(LabFirstName(setup) + "|" + LabSecondName(setup) + "|" + LabThirdName(setup) +
                      "|" + LabThetaName(setup) + "|" + LabXName(setup) + "|" + LabYName(setup),
                  c.names);
    }
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

TEST(ReadLabCountTest, WholeNumbersAndTheRangesOfTheirSpinBoxes) {
    EXPECT_EQ(ReadLabCount(" 14 "), 14);
    EXPECT_EQ(ReadLabCount("+3"), 3);
    EXPECT_EQ(ReadLabCount("-2"), -2);
    EXPECT_EQ(ReadLabCount("99999999999"), INT32_MAX);
    for (const char* refused : {"", "14.5", "1e2", "+-3", "0x10", "14 bitov"}) {
        EXPECT_EQ(ReadLabCount(refused), std::nullopt) << refused;
    }
    TLabSetup setup;
    EXPECT_EQ(NotAWholeNumberText(TLabCount::Steps), "Počet krokov nie je celé číslo");
    EXPECT_EQ(LabCountRangeText(TLabCount::Steps, setup), "Počet krokov je od 1 do 64");
    EXPECT_EQ(LabCountRangeText(TLabCount::WordBits, setup), "Šírka slova je od 8 do 64");
    EXPECT_EQ(LabCountRangeText(TLabCount::FractionBits, setup), "Desatinné bity sú od 0 do 15");
    EXPECT_EQ(LabCountRangeText(TLabCount::GuardBits, setup), "Strážne bity sú od 0 do 16");
    setup.wordBits = 60;
    EXPECT_EQ(LabCountRangeText(TLabCount::GuardBits, setup), "Strážne bity sú od 0 do 4");
    EXPECT_TRUE(LabCountInRange(TLabCount::GuardBits, 4, setup));
    EXPECT_FALSE(LabCountInRange(TLabCount::GuardBits, 5, setup));
    EXPECT_FALSE(LabCountInRange(TLabCount::Steps, 0, setup));
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
