#include "colours.h"
#include "lab_cells.h"
#include "lab_error_chart.h"
#include "lab_window_fixture.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

struct TRefusalCase {
    const char* name;
    std::initializer_list<const char*> clicks; // before typing, from the opening setup
    const char* field;
    const char* typed; // key by key
    const char* status;
    const char* accepted; // typed next into the same field, which brings the results back
};

// Fixed point 16/14 unless a case clicks otherwise. While refused, the field keeps what was
// typed, the table and chart are greyed, the results read "—" and nothing is copied.
const TRefusalCase kRefusals[] = {
    {"an angle beyond the word's room for pi",
     {"pevná čiarka"},
     "Uhol",
     "150",
     "Na prehnutie treba π, ktoré sa do slova nezmestí",
     "15"},
    {"an angle that is no number", {"pevná čiarka"}, "Uhol", "tri", "Uhol nie je číslo", "30"},
    {"steps beyond 64", {"pevná čiarka"}, "Počet krokov", "65", "Počet krokov je od 1 do 64", "16"},
    {"no steps", {"pevná čiarka"}, "Počet krokov", "", "Počet krokov nie je celé číslo", "16"},
    {"a word of 70 bits", {"pevná čiarka"}, "Šírka slova", "70", "Šírka slova je od 8 do 64", "24"},
    {"F of 20 in 16 bits",
     {"pevná čiarka"},
     "Desatinné bity",
     "20",
     "Desatinné bity sú od 0 do 15",
     "12"},
    {"G of 17", {"pevná čiarka"}, "Strážne bity", "17", "Strážne bity sú od 0 do 16", "4"},
    {"4 radians", {"radián"}, "Uhol", "4", "Uhol musí byť od −π do π", "1"},
    {"the origin", {"Vektorovanie: uhol a dĺžka"}, "x", "0", "Bod (0, 0) nemá uhol", "2"},
    {"t beyond 4", {"hyperbolická"}, "t", "5", "t musí byť od −4 do 4", "0.5"},
    {"ln of a negative a",
     {"hyperbolická", "Vektorovanie: atanh, ln a odmocnina", "ln a"},
     "a",
     "-1",
     "a musí byť kladné",
     "2"},
};

TEST_F(LabWindowTest, RefusedSettingsGreyTheTableAndChartAndShowNoResults) {
    for (const TRefusalCase& c : kRefusals) {
        SetUp();
        SCOPED_TRACE(c.name);
        for (const char* button : c.clicks) {
            Click(button);
        }
        const auto* chart =
            qobject_cast<TLabErrorChart*>(Find<QWidget>("Najväčšia chyba podľa počtu krokov"));
        TypeKeys(c.field, c.typed);
        EXPECT_EQ(window_->StatusText(), QString::fromUtf8(c.status));
        EXPECT_EQ(Find<QWidget>(c.field)->property("text").toString(), QString::fromUtf8(c.typed));
        EXPECT_TRUE(window_->Refused());
        EXPECT_FALSE(table_->isEnabled());
        EXPECT_TRUE(chart->IsStale());
        EXPECT_EQ(Text("Prvý výsledok"), QString::fromUtf8("—"));
        EXPECT_EQ(Text("Druhý výsledok"), QString::fromUtf8("—"));
        EXPECT_EQ(Text("Presná hodnota prvého výsledku"), "");
        EXPECT_FALSE(Find<QWidget>("Kopírovať tabuľku")->isEnabled());

        TypeKeys(c.field, c.accepted);
        EXPECT_EQ(window_->StatusText(), "");
        EXPECT_TRUE(table_->isEnabled());
        EXPECT_FALSE(chart->IsStale());
        EXPECT_NE(Text("Prvý výsledok"), QString::fromUtf8("—"));
    }
}

// The arrows stay within the range, and from a number beyond it step back into it.
TEST_F(LabWindowTest, ArrowsStepWithinTheRange) {
    auto* steps = Find<QSpinBox>("Počet krokov");
    TypeKeys("Počet krokov", "64");
    QTest::keyClick(steps, Qt::Key_Up);
    EXPECT_EQ(steps->text(), "64");
    TypeKeys("Počet krokov", "99");
    QTest::keyClick(steps, Qt::Key_Down);
    EXPECT_EQ(steps->text(), "64");
    EXPECT_EQ(window_->StatusText(), "");
    EXPECT_EQ(table_->model()->rowCount(), 65);
}

struct TInputsCase {
    const char* system;
    const char* mode;
    const char* argument; // the rotation's field, named for the system
    const char* x;
    const char* y;
    bool argumentRead;
    bool pointRead;
    bool units;        // "stupeň" and "radián" shown
    bool fromA;        // "a" with "ln a" and "√a" shown
    const char* other; // the other mode's button
};

const TInputsCase kInputs[] = {
    {"kruhová", "Rotácia: kosínus a sínus", "Uhol", "x", "y", true, false, true, false,
     "Vektorovanie: uhol a dĺžka"},
    {"kruhová", "Vektorovanie: uhol a dĺžka", "Uhol", "x", "y", false, true, true, false,
     "Rotácia: kosínus a sínus"},
    {"lineárna", "Rotácia: násobenie", "c", "a", "b", true, true, false, false,
     "Vektorovanie: delenie"},
    {"lineárna", "Vektorovanie: delenie", "c", "x", "y", false, true, false, false,
     "Rotácia: násobenie"},
    {"hyperbolická", "Rotácia: cosh, sinh a exp", "t", "x", "y", true, false, false, false,
     "Vektorovanie: atanh, ln a odmocnina"},
    {"hyperbolická", "Vektorovanie: atanh, ln a odmocnina", "t", "x", "y", false, true, false, true,
     "Rotácia: cosh, sinh a exp"},
};

TEST_F(LabWindowTest, EachSystemNamesItsModesAndInputs) {
    for (const TInputsCase& c : kInputs) {
        SCOPED_TRACE(std::string(c.system) + ", " + c.mode);
        Click(c.system);
        Click(c.mode);
        EXPECT_NE(Find<QAbstractButton>(c.other), nullptr);
        EXPECT_EQ(Find<QLineEdit>(c.argument)->isEnabled(), c.argumentRead);
        EXPECT_EQ(Find<QLineEdit>(c.x)->isEnabled(), c.pointRead);
        EXPECT_EQ(Find<QLineEdit>(c.y)->isEnabled(), c.pointRead);
        const auto shown = [this](const char* name) {
            for (const QWidget* widget : window_->findChildren<QWidget*>()) {
                if (widget->accessibleName() == QString::fromUtf8(name) &&
                    widget->isVisibleTo(window_.get())) {
                    return true;
                }
            }
            return false;
        };
        EXPECT_EQ(shown("stupeň"), c.units);
        EXPECT_EQ(shown("radián"), c.units);
        EXPECT_EQ(shown("ln a"), c.fromA);
        EXPECT_EQ(shown("√a"), c.fromA);
        EXPECT_EQ(window_->StatusText(), "");
    }
}

TEST_F(LabWindowTest, ResultsStandUnderTheInputAsHeld) {
    Click("pevná čiarka");
    EXPECT_EQ(Text("Prvý vstup v registri"), QString::fromUtf8("θ v registri = 0.52362060546875"));
    EXPECT_EQ(Text("Zadaný prvý vstup"), QString::fromUtf8("zadané 0.52359877559829885263"));
    EXPECT_TRUE(Text("Presná hodnota prvého výsledku")
                    .startsWith(QString::fromUtf8("presne pre θ v registri 0.866")));

    // F = 2, one step: x = K_1 = 0.75 (the register 3) in the table and the results alike, the
    // register's exact value, not the shortest text 0.8 that would round to it.
    Set("Desatinné bity", 2);
    Set("Počet krokov", 1);
    EXPECT_EQ(Cell(table_->model()->rowCount() - 1, kLabColumnX), "0.75");
    EXPECT_EQ(Text("Prvý výsledok"), "0.75");

    Click("Vektorovanie: uhol a dĺžka");
    Set("Desatinné bity", 12);
    Set("Počet krokov", 16);
    Type("x", "-3");
    Type("y", "-4");
    EXPECT_EQ(Text("Pretečenie"),
              QString::fromUtf8("Pretečenie v stave 3: hodnota sa do slova nezmestila"));
}

TEST_F(LabWindowTest, HyperbolicRotationGivesExpAndVectoringLnFromA) {
    Click("hyperbolická");
    Set("Počet krokov", 64);
    EXPECT_EQ(Text("Názov tretieho výsledku"), "exp t");
    EXPECT_EQ(Text("Prvý vstup v registri"), QString::fromUtf8("t v registri = 0.5"));
    Type("t", "1.2");
    EXPECT_EQ(Text("Dosah krokov"), QString::fromUtf8("Mimo dosahu krokov: |t| ≤ 1.1182"));

    Click("Vektorovanie: atanh, ln a odmocnina");
    Click("ln a"); // a = 2
    EXPECT_EQ(Find<QLineEdit>("x")->text(), "3");
    EXPECT_EQ(Find<QLineEdit>("y")->text(), "1");
    EXPECT_EQ(Text("Odvodený výsledok"), QString::fromUtf8("ln a = 2·z = 0.69314718055994530986"));
    Click("√a");
    EXPECT_EQ(Find<QLineEdit>("x")->text(), "2.25");
    EXPECT_EQ(Text("Odvodený výsledok"), QString::fromUtf8("√a = dĺžka = 1.4142135623730950483"));
    TypeKeys("y", "1");
    EXPECT_FALSE(Find<QLabel>("Prvý výsledok")->text().isEmpty());
    EXPECT_FALSE(window_->findChild<QLabel*>("DerivedLine")->isVisibleTo(window_.get()))
        << "x and y edited by hand hold no function of a";
}

// The grey curve of plain truncation joins the chart where the setup rounds or guards.
TEST_F(LabWindowTest, RoundingOrGuardBitsBringTheComparisonCurve) {
    const auto* chart =
        qobject_cast<TLabErrorChart*>(Find<QWidget>("Najväčšia chyba podľa počtu krokov"));
    Click("pevná čiarka");
    EXPECT_FALSE(chart->HasComparison());
    Click("k párnemu");
    EXPECT_TRUE(chart->HasComparison());
    Click("odseknúť");
    EXPECT_FALSE(chart->HasComparison());
    Set("Strážne bity", 4);
    EXPECT_TRUE(chart->HasComparison());
    Click("rozšírená (80 bitov)");
    EXPECT_FALSE(chart->HasComparison());
}

// 16/14 with four guard bits: W + G = 20 bits and the dot, the last four on their own background.
TEST_F(LabWindowTest, GuardBitsFollowTheFractionBitsOnTheirOwnBackground) {
    Click("pevná čiarka");
    Set("Strážne bity", 4);
    // K_54 at F + G = 18 fraction bits: 0.6072529350 * 2^18 = 159188, not 9949 shifted by four.
    EXPECT_EQ(Cell(0, kLabColumnXBits), "00.100110110111010100");
    const auto [left, right] = ColourLeftAndRight(
        0, kLabColumnXBits, TableAccent(TTableAccent::GuardBits, table_->palette()), 3.0 / 4);
    EXPECT_GT(right, 0);
    EXPECT_EQ(left, 0);
}

} // namespace
