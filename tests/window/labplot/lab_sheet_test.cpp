#include "hand_run.h"
#include "lab_input.h"
#include "lab_sheet.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A row as page 1 shows it: the texts, a blank cell as "_".
std::vector<std::string> Page1(const std::vector<TSheetCell>& row) {
    std::vector<std::string> texts;
    for (const TSheetCell& cell : row) {
        texts.push_back(cell.blank ? "_" : cell.text);
    }
    return texts;
}

// A row as page 2 shows it: every text.
std::vector<std::string> Page2(const std::vector<TSheetCell>& row) {
    std::vector<std::string> texts;
    for (const TSheetCell& cell : row) {
        texts.push_back(cell.text);
    }
    return texts;
}

using TRow = std::vector<std::string>;

TEST(LabSheetTableTest, TheHandRunsStartAndConstantsAreGivenAndTheRestLeftBlank) {
    const TSheetTable table = LabSheetTable(LabRun(HandSetup()), HandSetup());
    EXPECT_EQ(table.headers, (TRow{"i", "posun", "α_i", "α_i (bity)", "smer", "x", "y", "z"}));
    ASSERT_EQ(table.rows.size(), 5U);
    // alpha 35, 16, 8, 4 in units of 2^-6; the last state takes no step on the sheet.
    const TRow page1[] = {
        {"0", "1", "0.546875", "00.100011", "+", "1.203125", "0", "0.5"},
        {"1", "2", "0.25", "00.010000", "_", "_", "_", "_"},
        {"2", "3", "0.125", "00.001000", "_", "_", "_", "_"},
        {"3", "4", "0.0625", "00.000100", "_", "_", "_", "_"},
        {"4", "", "", "", "", "_", "_", "_"},
    };
    const TRow page2[] = {
        {"0", "1", "0.546875", "00.100011", "+", "1.203125", "0", "0.5"},
        {"1", "2", "0.25", "00.010000", "−", "1.203125", "0.59375", "-0.046875"},
        {"2", "3", "0.125", "00.001000", "+", "1.0625", "0.296875", "0.203125"},
        {"3", "4", "0.0625", "00.000100", "+", "1.09375", "0.421875", "0.078125"},
        {"4", "", "", "", "", "1.109375", "0.484375", "0.015625"},
    };
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(Page1(table.rows[i]), page1[i]) << "row " << i;
        EXPECT_EQ(Page2(table.rows[i]), page2[i]) << "row " << i;
    }
}

TEST(LabSheetTableTest, ALongRunShowsItsFirstEightStepsAndFloatingConstantsInTheirFormat) {
    TLabSetup setup; // circular rotation, 54 extended steps
    setup.theta = ReadLabAngle("30", true).value();
    TSheetTable table = LabSheetTable(LabRun(setup), setup);
    EXPECT_EQ(table.headers, (TRow{"i", "posun", "α_i", "smer", "x", "y", "z"}));
    ASSERT_EQ(table.rows.size(), 9U);
    EXPECT_EQ(Page1(table.rows[0]), (TRow{"0", "0", "0.78539816339744830963", "+",
                                          "0.6072529350088812563", "0", "0.52359877559829885263"}));
    // State 8 comes before step 8, which the sheet leaves to the window.
    EXPECT_EQ(Page1(table.rows[8]), (TRow{"8", "", "", "", "_", "_", "_"}));
    setup.arithmetic = TLabArithmetic::Single;
    table = LabSheetTable(LabRun(setup), setup);
    EXPECT_EQ(table.rows[1][2].text, "0.4636476");
    // A refused run: the header and no rows.
    setup.theta = 4;
    EXPECT_TRUE(LabSheetTable(LabRun(setup), setup).rows.empty());
}

TEST(LabSheetTextTest, TheTaskNamesSystemModeInputArithmeticAndSteps) {
    EXPECT_EQ(LabSheetTask(HandSetup(), false),
              "Vypočítajte v hyperbolickej sústave rotáciou cosh t, sinh t a exp t pre t = 0.5 "
              "v pevnej čiarke (šírka slova W = 8, desatinné bity F = 6, zaokrúhlenie posunu: "
              "odseknúť) v 4 krokoch.");
    TLabSetup thirty;
    thirty.theta = ReadLabAngle("30", true).value();
    EXPECT_EQ(LabSheetTask(thirty, true),
              "Vypočítajte v kruhovej sústave rotáciou cos θ a sin θ pre θ = 30° v rozšírenej "
              "presnosti (80 bitov) v 54 krokoch.");
    TLabSetup quotient;
    quotient.system = TLabSystem::Linear;
    quotient.mode = TLabMode::Vectoring;
    quotient.arithmetic = TLabArithmetic::Double;
    quotient.steps = 1;
    quotient.x0 = 3;
    quotient.y0 = 1;
    EXPECT_EQ(LabSheetTask(quotient, false),
              "Vypočítajte v lineárnej sústave vektorovaním podiel y / x pre (x, y) = (3, 1) v "
              "presnosti double (64 bitov) v 1 kroku.");
    TLabSetup guarded = HandSetup();
    guarded.guardBits = 4;
    guarded.rounding = TLabRounding::HalfEven;
    EXPECT_NE(
        LabSheetTask(guarded, false).find("strážne bity G = 4, zaokrúhlenie posunu: k párnemu"),
        std::string::npos);
    EXPECT_EQ(LabSheetRule(HandSetup()),
              "Krok i s posunom s: x' = x + σ·y·2^-s, y' = y + σ·x·2^-s, z' = z − σ·α_i; σ = +1, "
              "ak z ≥ 0, inak −1.");
}

TEST(LabSheetTextTest, TheAnswerPageGivesEveryResultWithItsError) {
    EXPECT_EQ(LabSheetResultsHeading(HandSetup()), "Výsledky po 4 krokoch");
    EXPECT_EQ(LabSheetResults(LabRun(HandSetup()), HandSetup()),
              (TRow{"cosh t = 1.109375, presne 1.1276259652063807853, |chyba| = 0.0183 = 1.17 u",
                    "sinh t = 0.484375, presne 0.52109530549374736164, |chyba| = 0.0367 = 2.35 u",
                    "exp t = 1.59375, presne 1.6487212707001281469, |chyba| = 0.055 = 3.52 u"}));
}

} // namespace
