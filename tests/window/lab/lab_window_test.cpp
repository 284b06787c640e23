#include "colours.h"
#include "lab_cells.h"
#include "lab_error_chart.h"
#include "lab_table_model.h"
#include "lab_window.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <set>
#include <utility>

namespace {

class LabWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<TLabWindow>();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        table_ = Find<QTableView>("Kroky laboratória");
        ASSERT_NE(table_, nullptr);
    }

    // The shown control with the accessible name `name`, as a screen reader finds it ("a" names
    // a field of linear rotation and another of hyperbolic vectoring); none where none is shown.
    template <class T> T* Shown(const char* name) {
        for (T* widget : window_->findChildren<T*>()) {
            if (widget->accessibleName() == QString::fromUtf8(name) &&
                widget->isVisibleTo(window_.get())) {
                return widget;
            }
        }
        return nullptr;
    }
    template <class T> T* Find(const char* name) {
        T* widget = Shown<T>(name);
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }

    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    void Type(const char* name, const char* text) {
        // One change, as a paste makes: typed key by key, "200" would run 2 and 20 degrees first.
        Find<QLineEdit>(name)->setText(QString::fromUtf8(text));
    }
    void Set(const char* name, int value) { Find<QSpinBox>(name)->setValue(value); }
    // Replaces the text of a field or spin box key by key, as a student types it.
    void TypeKeys(const char* name, const char* text) {
        QWidget* field = Find<QWidget>(name);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, QString::fromUtf8(text));
    }
    QString Text(const char* name) { return Find<QLabel>(name)->text(); }

    QString Cell(int row, int column) const {
        return table_->model()->index(row, column).data().toString();
    }
    int DroppedStart(int row, int column) const {
        return table_->model()->index(row, column).data(TLabTableModel::kDroppedStartRole).toInt();
    }
    // The pixels of the cell's picture in `colour`, left and right of `fraction` of its width.
    std::pair<int, int> ColourLeftAndRight(int row, int column, const QColor& colour,
                                           double fraction) const {
        table_->scrollTo(table_->model()->index(row, column));
        const QRect cell = table_->visualRect(table_->model()->index(row, column));
        const QImage image = table_->viewport()->grab(cell).toImage();
        std::pair<int, int> counts{0, 0};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    (x > image.width() * fraction ? counts.second : counts.first) += 1;
                }
            }
        }
        return counts;
    }

    std::unique_ptr<TLabWindow> window_;
    QTableView* table_ = nullptr;
};

TEST_F(LabWindowTest, OpensOnThirtyDegreesInFiftyFourExtendedSteps) {
    EXPECT_EQ(table_->model()->rowCount(), 55);
    EXPECT_EQ(table_->model()->columnCount(), 6);
    EXPECT_EQ(Cell(54, kLabColumnX), "0.8660254037844386957");
    EXPECT_EQ(Cell(54, kLabColumnY), "0.49999999999999991557");
    EXPECT_EQ(window_->StatusText(), "");
}

TEST_F(LabWindowTest, FixedPointAndEachWordWidthRedrawTheBitColumns) {
    Click("pevná čiarka");
    Set("Počet krokov", 14);
    EXPECT_EQ(table_->model()->rowCount(), 15);
    EXPECT_EQ(table_->model()->columnCount(), 9);
    EXPECT_EQ(Cell(0, kLabColumnXBits), "00.10011011011101");
    EXPECT_EQ(Cell(14, kLabColumnX), "0.86614990234375");
    Set("Šírka slova", 12); // F 14 is brought down to 11
    EXPECT_EQ(Find<QSpinBox>("Desatinné bity")->value(), 11);
    EXPECT_EQ(Cell(0, kLabColumnXBits).size(), 13);
    EXPECT_EQ(Cell(0, kLabColumnXBits), "0.10011011100");
}

TEST_F(LabWindowTest, CopyHoldsTheHeaderRowThenTheStates) {
    Click("pevná čiarka");
    Set("Počet krokov", 14);
    QGuiApplication::clipboard()->clear();
    Click("Kopírovať tabuľku");
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], "i\tsmer\tposun\tx\ty\tz\tx (bity)\ty (bity)\tz (bity)");
    EXPECT_EQ(lines[2], QString::fromUtf8("1\t−\t1\t0.60723876953125\t0.60723876953125\t"
                                          "-0.26177978515625\t00.10011011011101\t"
                                          "00.10011011011101\t11.10111100111111"));
}

TEST_F(LabWindowTest, RefusalsLeaveTheTableAsItWas) {
    QString lastX = Cell(54, kLabColumnX);
    Type("Uhol", "200");
    EXPECT_EQ(window_->StatusText(), QString::fromUtf8("Uhol musí byť od −180° do 180°"));
    EXPECT_EQ(table_->model()->rowCount(), 55);
    EXPECT_EQ(Cell(54, kLabColumnX), lastX);
    Type("Uhol", "tridsať");
    EXPECT_EQ(window_->StatusText(), QString::fromUtf8("Uhol nie je číslo"));
    Click("Vektorovanie: uhol a dĺžka");
    lastX = Cell(54, kLabColumnX); // the point (1, 0)
    Type("x", "0");                // y is 0
    EXPECT_EQ(window_->StatusText(), QString::fromUtf8("Bod (0, 0) nemá uhol"));
    EXPECT_EQ(Cell(54, kLabColumnX), lastX);
    Type("y", "-4");
    EXPECT_EQ(window_->StatusText(), "");
}

TEST_F(LabWindowTest, EightBitStateMarksTheBitsItsShiftDrops) {
    Click("pevná čiarka");
    Set("Šírka slova", 8);
    Set("Desatinné bity", 6);
    Set("Počet krokov", 8);
    // 30 degrees in 8/6: z = 34, K = 39, a = 50, 30, 16 / 64, so state 3 is x = 53 / 64,
    // y = 34 / 64 (worked by hand); step 3 drops the three low bits, "101" and "010".
    EXPECT_EQ(Cell(3, kLabColumnXBits), "00.110101");
    EXPECT_EQ(Cell(3, kLabColumnYBits), "00.100010");
    EXPECT_EQ(DroppedStart(3, kLabColumnXBits), 6);
    EXPECT_EQ(DroppedStart(3, kLabColumnYBits), 6);
    EXPECT_EQ(DroppedStart(3, kLabColumnZBits), 9);
    EXPECT_EQ(DroppedStart(8, kLabColumnXBits), 9);

    // Painted: the dropped bits in their colour, the bits before them not.
    const auto [left, right] = ColourLeftAndRight(
        3, kLabColumnXBits, TableAccent(TTableAccent::Dropped, table_->palette()), 2.0 / 3);
    EXPECT_GT(right, 0);
    EXPECT_EQ(left, 0);
}

TEST_F(LabWindowTest, WrappedStateCarriesItsTooltip) {
    Click("pevná čiarka");
    Set("Šírka slova", 8);
    Set("Desatinné bity", 7);
    Type("Uhol", "0");
    bool wrapped = false;
    for (int row = 0; row < table_->model()->rowCount(); ++row) {
        const QString tip =
            table_->model()->index(row, kLabColumnX).data(Qt::ToolTipRole).toString();
        wrapped =
            wrapped || tip == QString::fromUtf8("Pretečenie: výsledok sa do W bitov nezmestil");
    }
    EXPECT_TRUE(wrapped);
}

// At 300 % on a small screen the results no longer fit beside the chart: they go above it, and
// the status line with "Kopírovať tabuľku" stays below the content, in view.
TEST_F(LabWindowTest, AtThreeHundredPercentTheChartGoesBelowTheResults) {
    window_->resize(1000, 700);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    const QWidget* results = Find<QWidget>("Výsledky");
    const QWidget* chart = Find<QWidget>("Najväčšia chyba podľa počtu krokov");
    QCoreApplication::processEvents();
    EXPECT_GT(chart->x(), results->x()) << "side by side at 100 %";
    for (int step = 0; step < 8; ++step) {
        QTest::keyClick(table_, Qt::Key_Plus, Qt::ControlModifier);
    }
    window_->resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_GE(chart->y(), results->y() + results->height()) << "below the results";
    const QWidget* copy = Find<QWidget>("Kopírovať tabuľku");
    EXPECT_TRUE(
        window_->rect().contains(QRect(copy->mapTo(window_.get(), QPoint(0, 0)), copy->size())));
}

// The texts the chart's points tell under the mouse, hovering every third pixel (a point answers
// within 6 pixels).
std::set<QString> PointTexts(QWidget* chart) {
    std::set<QString> texts;
    for (int y = 0; y < chart->height(); y += 3) {
        for (int x = 0; x < chart->width(); x += 3) {
            QHelpEvent hover(QEvent::ToolTip, QPoint(x, y), chart->mapToGlobal(QPoint(x, y)));
            QCoreApplication::sendEvent(chart, &hover);
            if (QToolTip::isVisible()) {
                texts.insert(QToolTip::text());
            }
        }
    }
    QToolTip::hideText();
    return texts;
}

// Fixed point 16/14: the least error, 7.83 u from n = 14; 64/63 holds no 1, and a cosine near 1
// wraps to near -1: an error of some 1.8e19 u, told as a wrapped result.
TEST_F(LabWindowTest, APointUnderTheMouseTellsItsStepsAndError) {
    Click("pevná čiarka");
    QWidget* chart = Find<QWidget>("Najväčšia chyba podľa počtu krokov");
    const std::set<QString> fixed = PointTexts(chart);
    EXPECT_EQ(fixed.count(QStringLiteral("n = 14: 7.83 u")), 1u);
    EXPECT_EQ(fixed.size(), 64u) << "every n, none twice";
    Set("Šírka slova", 64);
    Set("Desatinné bity", 63);
    const std::set<QString> wide = PointTexts(chart);
    EXPECT_TRUE(std::any_of(wide.begin(), wide.end(), [](const QString& text) {
        return text.endsWith(QString::fromUtf8(" u, výsledok pretiekol")) &&
               text.contains(QStringLiteral("e19"));
    }));
}

struct TRefusalCase {
    std::initializer_list<const char*> clicks; // from the opening setup, before typing
    const char* field;
    const char* typed; // key by key
    const char* status;
    const char* accepted; // typed next into the same field
};

// While refused, the field keeps what was typed, the table and chart are greyed, the results
// read "—" and nothing is copied; the next accepted input brings them back.
// clang-format off
const TRefusalCase kRefusals[] = {
    {{"pevná čiarka"}, "Uhol", "150", "Na prehnutie treba π, ktoré sa do slova nezmestí", "15"},
    {{}, "Uhol", "tri", "Uhol nie je číslo", "30"},
    {{"radián"}, "Uhol", "4", "Uhol musí byť od −π do π", "1"},
    {{}, "Počet krokov", "65", "Počet krokov je od 1 do 64", "16"},
    {{}, "Počet krokov", "", "Počet krokov nie je celé číslo", "16"},
    {{"pevná čiarka"}, "Šírka slova", "70", "Šírka slova je od 8 do 64", "24"},
    {{"pevná čiarka"}, "Desatinné bity", "20", "Desatinné bity sú od 0 do 15", "12"},
    {{"pevná čiarka"}, "Strážne bity", "17", "Strážne bity sú od 0 do 16", "4"},
    {{"Vektorovanie: uhol a dĺžka"}, "x", "0", "Bod (0, 0) nemá uhol", "2"},
    {{"hyperbolická"}, "t", "5", "t musí byť od −4 do 4", "0.5"},
    {{"hyperbolická", "Vektorovanie: atanh, ln a odmocnina", "ln a"}, "a", "-1", "a musí byť kladné",
     "2"},
};
// clang-format on

TEST_F(LabWindowTest, RefusedSettingsGreyTheTableAndChartAndShowNoResults) {
    for (const TRefusalCase& c : kRefusals) {
        SetUp();
        SCOPED_TRACE(c.status);
        for (const char* button : c.clicks) {
            Click(button);
        }
        const auto* chart =
            qobject_cast<TLabErrorChart*>(Find<QWidget>("Najväčšia chyba podľa počtu krokov"));
        TypeKeys(c.field, c.typed);
        EXPECT_EQ(window_->StatusText(), QString::fromUtf8(c.status));
        EXPECT_EQ(Find<QWidget>(c.field)->property("text").toString(), QString::fromUtf8(c.typed));
        EXPECT_TRUE(!table_->isEnabled() && chart->IsStale());
        EXPECT_EQ(Text("Prvý výsledok") + Text("Druhý výsledok"), QString::fromUtf8("——"));
        EXPECT_FALSE(Find<QWidget>("Kopírovať tabuľku")->isEnabled());
        TypeKeys(c.field, c.accepted);
        EXPECT_EQ(window_->StatusText(), "");
        EXPECT_TRUE(table_->isEnabled() && !chart->IsStale());
        EXPECT_NE(Text("Prvý výsledok"), QString::fromUtf8("—"));
    }
}

struct TInputsCase {
    const char* system;
    const char* mode;
    const char* argument;
    const char* x;
    const char* y;
    bool argumentRead;
    bool pointRead;
    bool units; // "stupeň" and "radián" shown
    bool fromA; // "a" with "ln a" and "√a" shown
};

// clang-format off
const TInputsCase kInputs[] = {
    {"kruhová", "Rotácia: kosínus a sínus", "Uhol", "x", "y", true, false, true, false},
    {"kruhová", "Vektorovanie: uhol a dĺžka", "Uhol", "x", "y", false, true, true, false},
    {"lineárna", "Rotácia: násobenie", "c", "a", "b", true, true, false, false},
    {"lineárna", "Vektorovanie: delenie", "c", "x", "y", false, true, false, false},
    {"hyperbolická", "Rotácia: cosh, sinh a exp", "t", "x", "y", true, false, false, false},
    {"hyperbolická", "Vektorovanie: atanh, ln a odmocnina", "t", "x", "y", false, true, false,
     true},
};
// clang-format on

TEST_F(LabWindowTest, EachSystemNamesItsModesAndInputs) {
    for (const TInputsCase& c : kInputs) {
        SCOPED_TRACE(std::string(c.system) + ", " + c.mode);
        Click(c.system);
        Click(c.mode);
        EXPECT_EQ(Find<QLineEdit>(c.argument)->isEnabled(), c.argumentRead);
        EXPECT_EQ(Find<QLineEdit>(c.x)->isEnabled(), c.pointRead);
        EXPECT_EQ(Find<QLineEdit>(c.y)->isEnabled(), c.pointRead);
        EXPECT_EQ(Shown<QWidget>("stupeň") && Shown<QWidget>("radián"), c.units);
        EXPECT_EQ(Shown<QWidget>("ln a") && Shown<QWidget>("√a"), c.fromA);
        EXPECT_EQ(window_->StatusText(), "");
    }
}

// F = 2, one step: x = K_1 = 0.75 (the register 3) in the table and the results, the register's
// exact value, not the shortest text 0.8 that rounds to it; the results stand under 30 degrees as
// that word holds it.
TEST_F(LabWindowTest, ResultsAreTheRegistersUnderTheInputAsHeld) {
    Click("pevná čiarka");
    Set("Desatinné bity", 2);
    Set("Počet krokov", 1);
    EXPECT_EQ(Cell(1, kLabColumnX), "0.75");
    EXPECT_EQ(Text("Prvý výsledok"), "0.75");
    EXPECT_EQ(Text("Prvý vstup v registri"), QString::fromUtf8("θ v registri = 0.5"));
}

// "ln a" fills x and y from a; while they hold that fill the results read ln a, a hand's edit
// of y ends it.
TEST_F(LabWindowTest, LnFromAFillsTheHyperbolicPoint) {
    Click("hyperbolická");
    Set("Počet krokov", 64);
    EXPECT_EQ(Text("Názov tretieho výsledku"), "exp t");
    Click("Vektorovanie: atanh, ln a odmocnina");
    Click("ln a"); // a = 2
    EXPECT_EQ(Find<QLineEdit>("x")->text() + Find<QLineEdit>("y")->text(), "31");
    EXPECT_EQ(Text("Odvodený výsledok"), QString::fromUtf8("ln a = 2·z = 0.69314718055994530986"));
    TypeKeys("a", "3");
    EXPECT_EQ(Find<QLineEdit>("x")->text(), "4");
    TypeKeys("y", "1");
    EXPECT_EQ(Shown<QWidget>("Odvodený výsledok"), nullptr);
}

// The grey curve of plain truncation joins the chart where the setup rounds or guards.
TEST_F(LabWindowTest, RoundingOrGuardBitsBringTheComparisonCurve) {
    const auto* chart =
        qobject_cast<TLabErrorChart*>(Find<QWidget>("Najväčšia chyba podľa počtu krokov"));
    Click("pevná čiarka");
    Click("k párnemu");
    EXPECT_TRUE(chart->HasComparison());
    Click("odseknúť");
    EXPECT_FALSE(chart->HasComparison());
    Set("Strážne bity", 4);
    EXPECT_TRUE(chart->HasComparison());
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
