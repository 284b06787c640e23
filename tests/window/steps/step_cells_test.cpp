#include "angle_input.h"
#include "cordic.h"
#include "step_cells.h"
#include "step_rows.h"
#include "whole_run_rows.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The rows of a whole run to `degrees`, as the angle field converts it.
TStepRows RunRows(const char* degrees) {
    return WholeRunRows(ParseAngle(degrees, kUnitDegrees).theta);
}

std::string Cell(const TStepRows& rows, std::size_t row, int column) {
    return StepCellText(rows.Row(row), column);
}

TEST(StepCellsTest, SmerFollowsTheResidualsSignOnThirtyDegrees) {
    const TStepRows rows = RunRows("30");
    std::vector<std::string> smer;
    for (std::size_t i = 0; i <= 5; ++i) {
        smer.push_back(Cell(rows, i, kColumnSigma));
    }
    EXPECT_EQ(smer, (std::vector<std::string>{"+", "\u2212", "+", "\u2212", "+", "+"}));
}

TEST(StepCellsTest, GuessedSmerShowsTheMarkAndAWrongGuess) {
    const TStepRows rows = RunRows("30"); // step 0 turns +, step 1 −: + guessed for both
    EXPECT_EQ(GuessedDirectionText(rows.Row(0), true), "+ \u2713");
    EXPECT_EQ(GuessedDirectionTip(rows.Row(0), true), "Tvoj tip: +, spr\u00e1vne");
    EXPECT_EQ(GuessedDirectionText(rows.Row(1), false), "\u2212 \u2717 (+)");
    EXPECT_EQ(GuessedDirectionTip(rows.Row(1), false), "Tvoj tip: +, spr\u00e1vne je \u2212");
}

TEST(StepCellsTest, StepRowShowsIndexAngleAndResidualLosslessly) {
    const TStepRows rows = RunRows("30");
    EXPECT_EQ(Cell(rows, 1, kColumnIndex), "1");
    EXPECT_EQ(Cell(rows, 0, kColumnAtan), "0.78539816339744830963");
    EXPECT_EQ(Cell(rows, 0, kColumnZ), "0.52359877559829885263");
    EXPECT_EQ(Cell(rows, 0, kColumnX), "0.6072529350088812563");
    EXPECT_EQ(Cell(rows, 0, kColumnY), "0");
    EXPECT_TRUE(Cell(rows, 1, kColumnZ).starts_with("-0.261799387799149")) << Cell(rows, 1, 3);
}

TEST(StepCellsTest, ResultRowHasNoDirectionNorAngle) {
    const TStepRows rows = RunRows("30");
    ASSERT_EQ(rows.Count(), 55u);
    EXPECT_EQ(Cell(rows, 54, kColumnIndex), "v\u00fdsledok");
    EXPECT_EQ(Cell(rows, 54, kColumnSigma), "");
    EXPECT_EQ(Cell(rows, 54, kColumnAtan), "");
    EXPECT_TRUE(Cell(rows, 54, kColumnX).starts_with("0.866025403784438")) << Cell(rows, 54, 4);
    EXPECT_TRUE(Cell(rows, 54, kColumnY).starts_with("0.499999999999999")) << Cell(rows, 54, 5);
    EXPECT_TRUE(Cell(rows, 54, kColumnZ).starts_with("7.69697560860139")) << Cell(rows, 54, 3);
    EXPECT_TRUE(Cell(rows, 54, kColumnZ).ends_with("e-17")) << Cell(rows, 54, 3);
}

struct ErrorCellCase {
    const char* name;
    const char* degrees;
    std::size_t row;
    int column;
    const char* text;
};

void PrintTo(const ErrorCellCase& c, std::ostream* os) {
    *os << c.name;
}

class ErrorCellTest : public testing::TestWithParam<ErrorCellCase> {};

TEST_P(ErrorCellTest, ShowsThreeSignificantDigits) {
    const TStepRows rows = RunRows(GetParam().degrees);
    EXPECT_EQ(Cell(rows, GetParam().row, GetParam().column), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ErrorCellTest,
    testing::Values(
        // Zero: y starts at the library's sine exactly and ends near 5.8e-17.
        ErrorCellCase{"ZeroStartsExactlyOnTheSine", "0", 0, kColumnErrorY, "0"},
        ErrorCellCase{"ZeroEndsAboveTheSine", "0", 54, kColumnErrorY, "5.80e-17"},
        ErrorCellCase{"ZeroEndsJustAboveTheCosine", "0", 54, kColumnErrorX, "2.17e-19"},
        // 90 degrees is h = 1.5707963267948966, whose cosine is 6.12e-17.
        ErrorCellCase{"NinetyStartsAWholeUnitFromTheSine", "90", 0, kColumnErrorY, "1.00e+00"},
        ErrorCellCase{"NinetyEndsBelowTheCosine", "90", 54, kColumnErrorX, "3.28e-18"},
        ErrorCellCase{"ThirtyFirstStep", "30", 0, kColumnErrorX, "2.59e-01"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepCellsTest, ErrorTextRoundsToThreeDigitsInAnyMagnitude) {
    EXPECT_EQ(ErrorText(0.0L), "0");
    EXPECT_EQ(ErrorText(1.234e-5L), "1.23e-05");
    EXPECT_EQ(ErrorText(9.999e-3L), "1.00e-02");
    EXPECT_EQ(ErrorText(2.5e-300L), "2.50e-300");
}

struct SettledCase {
    const char* name;
    long double value;
    long double final;
    std::size_t prefix; // of the value's shortest text
};

void PrintTo(const SettledCase& c, std::ostream* os) {
    *os << c.name;
}

class SettledPrefixTest : public testing::TestWithParam<SettledCase> {};

TEST_P(SettledPrefixTest, CountsLeadingCharactersThatAgreeByPosition) {
    EXPECT_EQ(SettledPrefix(GetParam().value, GetParam().final), GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, SettledPrefixTest,
    testing::Values(
        SettledCase{"SameValueIsWholeText", 0.8660254037844386957L, 0.8660254037844386957L, 21},
        // "0.866012" against 0.8660254: "0.8660" agrees, then 1 against 2.
        SettledCase{"StopsAtFirstDifferingDigit", 0.866012L, 0.8660254L, 6},
        // "-0.000123" against -0.000129: the sign and the zeros come along with "12".
        SettledCase{"TakesInSignAndLeadingZeros", -0.000123L, -0.000129L, 8},
        // "1.2345e-05" against 1.2399e-05: the mantissa's "1.23".
        SettledCase{"ScientificStopsInTheMantissa", 1.2345e-5L, 1.2399e-5L, 4},
        SettledCase{"ScientificAllDigitsTakeTheExponent", 1.2345e-5L, 1.23456e-5L, 10},
        // "0.000123" against the final "1e-04", and "1e-04" against the final "0.000123456":
        // digits meet by the power of ten they stand for, whichever way they are written.
        SettledCase{"FixedAgainstScientificFinal", 0.000123L, 0.0001L, 6},
        SettledCase{"ScientificAgainstFixedFinal", 0.0001L, 0.000123456L, 5},
        // The final "0.5" has zeros beyond its last digit: 18 of 19 digits agree.
        SettledCase{"ShortFinalHasZerosBeyond", 0.5000000000000000001L, 0.5L, 20},
        SettledCase{"IntegerDigitOnly", 1.5L, 1.25L, 1},
        SettledCase{"OppositeSignsSettleNothing", -0.25L, 0.25L, 0},
        SettledCase{"OtherMagnitudeSettlesNothing", 0.05L, 0.5L, 0},
        SettledCase{"NinesBelowOneSettleNothing", 0.9999999999999999999L, 1.0000000000000000002L,
                    0},
        SettledCase{"FirstDigitDiffers", 0.6072529350088812563L, 0.8660254037844386957L, 0},
        SettledCase{"ZeroAgainstTinyFinalSettlesNothing", 0.0L, 5.7953021724656462e-17L, 0},
        SettledCase{"ZeroAgainstZeroIsSettled", 0.0L, 0.0L, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepCellsTest, SettledPrefixOnThirtyDegreesRun) {
    const TStepRows rows = RunRows("30");
    // Step 13: x = 0.86603336..., y = 0.49998618... against 0.86602540..., 0.49999999...
    EXPECT_EQ(SettledPrefix(rows, 13, kColumnX), 6u);
    EXPECT_EQ(SettledPrefix(rows, 13, kColumnY), 6u);
    EXPECT_EQ(SettledPrefix(rows, 54, kColumnX), Cell(rows, 54, kColumnX).size());
    EXPECT_EQ(SettledPrefix(rows, 54, kColumnY), Cell(rows, 54, kColumnY).size());
    EXPECT_EQ(SettledPrefix(rows, 13, kColumnZ), 0u);
}

TEST(StepCellsTest, WholeTableTsvHasHeaderAndEveryRow) {
    const TStepRows rows = RunRows("30");
    const std::string tsv = StepTableTsv(rows);
    EXPECT_TRUE(tsv.starts_with("i\tsmer\tatan 2^-i\tz\tx\ty\t|x \u2212 cos|\t|y \u2212 sin|\n"
                                "0\t+\t0.78539816339744830963\t0.52359877559829885263\t"
                                "0.6072529350088812563\t0\t2.59e-01\t5.00e-01\n"));
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 55);
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\t'), 56 * 7);
    EXPECT_NE(tsv.back(), '\n');
}

TEST(StepCellsTest, SelectionTsvHasTheSelectedColumnsHeaders) {
    const TStepRows rows = RunRows("30");
    const std::array<std::size_t, 2> picked{0, 5};
    const std::array<int, 3> columns{kColumnIndex, kColumnSigma, kColumnErrorY};
    EXPECT_EQ(StepSelectionTsv(rows, picked, columns),
              "i\tsmer\t|y \u2212 sin|\n0\t+\t5.00e-01\n5\t+\t1.67e-02");
}

TEST(StepCellsTest, TableOfAStartedRunIsTheHeaderAlone) {
    TStepRows rows;
    rows.Start(0.0L);
    EXPECT_EQ(StepTableTsv(rows), "i\tsmer\tatan 2^-i\tz\tx\ty\t|x \u2212 cos|\t|y \u2212 sin|");
}

} // namespace
