#include "colours.h"
#include "lab_cells.h"
#include "lab_table_model.h"
#include "lab_window.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>

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

    // The control with the accessible name `name`, as a screen reader finds it.
    template <class T> T* Find(const char* name) {
        for (T* widget : window_->findChildren<T*>()) {
            if (widget->accessibleName() == QString::fromUtf8(name)) {
                return widget;
            }
        }
        ADD_FAILURE() << "no control named " << name;
        return nullptr;
    }

    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    void Type(const char* name, const char* text) {
        // One change, as a paste makes: typed key by key, "200" would run 2 and 20 degrees first.
        Find<QLineEdit>(name)->setText(QString::fromUtf8(text));
    }
    void Set(const char* name, int value) { Find<QSpinBox>(name)->setValue(value); }

    QString Cell(int row, int column) const {
        return table_->model()->index(row, column).data().toString();
    }
    int DroppedStart(int row, int column) const {
        return table_->model()->index(row, column).data(TLabTableModel::kDroppedStartRole).toInt();
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
    table_->scrollTo(table_->model()->index(3, kLabColumnXBits));
    const QRect cell = table_->visualRect(table_->model()->index(3, kLabColumnXBits));
    const QImage image = table_->viewport()->grab(cell).toImage();
    const QColor dropped = TableAccent(TTableAccent::Dropped, table_->palette());
    int droppedPixelsRight = 0;
    int droppedPixelsLeft = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == dropped) {
                (x > image.width() * 2 / 3 ? droppedPixelsRight : droppedPixelsLeft) += 1;
            }
        }
    }
    EXPECT_GT(droppedPixelsRight, 0);
    EXPECT_EQ(droppedPixelsLeft, 0);
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

} // namespace
