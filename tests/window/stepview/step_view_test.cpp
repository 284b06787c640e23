#include "angle_input.h"
#include "cordic.h"
#include "step_cells.h"
#include "step_rows.h"
#include "step_table_model.h"
#include "step_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QItemSelectionModel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

namespace {

// The step view of a plain owner window, shown on the offscreen screen.
class StepViewTest : public testing::Test {
protected:
    void SetUp() override {
        owner_ = std::make_unique<QWidget>();
        view_ = new TStepView(rows_, owner_.get());
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_));
    }

    // Starts a run to `degrees` and reports the rows to the view; `steps` steps (of 54), then
    // the result row when every step was reported.
    void Run(const char* degrees, int steps = kCordicSteps) {
        const long double theta = ParseAngle(degrees, kUnitDegrees).theta;
        rows_.Start(theta);
        view_->RowsReset();
        const TCordicResult result = CordicRotate(theta, [&](const TCordicStep& step) {
            if (step.i < steps) {
                rows_.AddStep(step);
                view_->RowAppended();
            }
        });
        if (steps == kCordicSteps) {
            rows_.AddResult(result);
            view_->RowAppended();
        }
    }

    // Appends the rows of steps from..to-1 of the run Run started, as a run that goes on would.
    void AppendSteps(int from, int to) {
        CordicRotate(rows_.Theta(), [&](const TCordicStep& step) {
            if (step.i >= from && step.i < to) {
                rows_.AddStep(step);
                view_->RowAppended();
            }
        });
    }

    template <class TControl = QWidget> TControl* Control(const char* name) const {
        auto* control = view_->findChild<TControl*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QTableView* Table() const { return Control<QTableView>("StepTable"); }
    QPushButton* Button(const char* name) const { return Control<QPushButton>(name); }

    void Select(int top, int left, int bottom, int right) const {
        QAbstractItemModel* model = Table()->model();
        Table()->selectionModel()->select(
            QItemSelection(model->index(top, left), model->index(bottom, right)),
            QItemSelectionModel::ClearAndSelect);
    }

    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }

    TStepRows rows_;
    std::unique_ptr<QWidget> owner_;
    TStepView* view_ = nullptr; // owned by owner_
};

TEST_F(StepViewTest, IsANonModalWindowDestroyedWithItsOwner) {
    EXPECT_EQ(view_->windowTitle(), QString::fromUtf8("Kroky algoritmu CORDIC"));
    EXPECT_TRUE(view_->isWindow());
    EXPECT_EQ(view_->parentWidget(), owner_.get());
    EXPECT_EQ(view_->windowModality(), Qt::NonModal);
    const QPointer<TStepView> view(view_);
    owner_.reset();
    EXPECT_TRUE(view.isNull());
}

TEST_F(StepViewTest, DefaultSizeFitsAnEightHundredLineScreen) {
    EXPECT_LE(view_->width(), 1280);
    EXPECT_LE(view_->height(), 760);
    // Every column is in view without scrolling sideways.
    EXPECT_EQ(Table()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(StepViewTest, NumberColumnsShowTheLongestExtendedTextWhole) {
    // The widest text of a run: a residual near 1e-14 with 21 digits and a sign.
    const QFontMetrics metrics(TStepTableModel::NumberFont());
    const int widest = metrics.horizontalAdvance(QStringLiteral("-1.22655225516145811394e-14"));
    for (const int column : {kColumnAtan, kColumnZ, kColumnX, kColumnY}) {
        EXPECT_GT(Table()->columnWidth(column), widest) << column;
    }
}

struct RunStateCase {
    const char* name;
    bool running;
    bool paused;
    bool enabled;
    const char* pauseText;
};

void PrintTo(const RunStateCase& c, std::ostream* os) {
    *os << c.name;
}

class StepViewRunStateTest : public StepViewTest,
                             public testing::WithParamInterface<RunStateCase> {};

TEST_P(StepViewRunStateTest, EnablesPauseAndStepAndNamesThePauseButton) {
    view_->SetRunState(true, !GetParam().paused); // a state to change from
    view_->SetRunState(GetParam().running, GetParam().paused);
    EXPECT_EQ(Button("PauseButton")->isEnabled(), GetParam().enabled);
    EXPECT_EQ(Button("StepButton")->isEnabled(), GetParam().enabled);
    EXPECT_EQ(Button("PauseButton")->text(), QString::fromUtf8(GetParam().pauseText));
    EXPECT_TRUE(Button("CopyButton")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(States, StepViewRunStateTest,
                         testing::Values(RunStateCase{"Idle", false, false, false, "Pozastaviť"},
                                         RunStateCase{"Running", true, false, true, "Pozastaviť"},
                                         RunStateCase{"Paused", true, true, true, "Pokračovať"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SignalCase {
    const char* name;
    std::function<void(StepViewTest&, QTableView*, QPushButton*, QPushButton*)> act;
    bool pause; // PauseToggled, otherwise StepRequested
};

void PrintTo(const SignalCase& c, std::ostream* os) {
    *os << c.name;
}

class StepViewSignalTest : public StepViewTest, public testing::WithParamInterface<SignalCase> {};

TEST_P(StepViewSignalTest, EmitsOnlyItsSignalOnce) {
    QSignalSpy pauses(view_, &TStepView::PauseToggled);
    QSignalSpy steps(view_, &TStepView::StepRequested);
    Run("30", 10);
    view_->SetRunState(true, true);
    Table()->setFocus();
    Select(2, 1, 2, 1); // a current cell that the right arrow would move
    GetParam().act(*this, Table(), Button("PauseButton"), Button("StepButton"));
    EXPECT_EQ(pauses.count(), GetParam().pause ? 1 : 0);
    EXPECT_EQ(steps.count(), GetParam().pause ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Controls, StepViewSignalTest,
                         testing::Values(SignalCase{"PauseButton",
                                                    [](auto&, auto*, QPushButton* pause, auto*) {
                                                        QTest::mouseClick(pause, Qt::LeftButton);
                                                    },
                                                    true},
                                         SignalCase{"SpaceInTheTable",
                                                    [](auto&, QTableView* table, auto*, auto*) {
                                                        QTest::keyClick(table, Qt::Key_Space);
                                                    },
                                                    true},
                                         SignalCase{"StepButton",
                                                    [](auto&, auto*, auto*, QPushButton* step) {
                                                        QTest::mouseClick(step, Qt::LeftButton);
                                                    },
                                                    false},
                                         SignalCase{"RightArrowInTheTable",
                                                    [](auto&, QTableView* table, auto*, auto*) {
                                                        QTest::keyClick(table, Qt::Key_Right);
                                                    },
                                                    false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepViewTest, KeysDoNothingOutsideARun) {
    QSignalSpy pauses(view_, &TStepView::PauseToggled);
    QSignalSpy steps(view_, &TStepView::StepRequested);
    view_->SetRunState(false, false);
    Table()->setFocus();
    QTest::keyClick(Table(), Qt::Key_Space);
    QTest::keyClick(Table(), Qt::Key_Right);
    EXPECT_EQ(pauses.count(), 0);
    EXPECT_EQ(steps.count(), 0);
}

TEST_F(StepViewTest, ProjectorZoomEnlargesTheTableAndTheButtons) {
    Run("30");
    const qreal buttonPoints = Button("CopyButton")->font().pointSizeF();
    const int rowHeight = Table()->rowHeight(0);
    const int xWidth = Table()->columnWidth(kColumnX);
    QTest::keyClick(Table(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(Table(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(Button("CopyButton")->font().pointSizeF(), buttonPoints * 1.5);
    EXPECT_GT(Table()->rowHeight(0), rowHeight * 1.3);
    EXPECT_GT(Table()->columnWidth(kColumnX), xWidth * 1.3);
    QTest::keyClick(Table(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(Table()->rowHeight(0), rowHeight);
    EXPECT_EQ(Table()->columnWidth(kColumnX), xWidth);
}

TEST_F(StepViewTest, SpacePressesTheFocusedButton) {
    QSignalSpy pauses(view_, &TStepView::PauseToggled);
    Run("30");
    view_->SetRunState(true, false);
    QGuiApplication::clipboard()->clear();
    Button("CopyButton")->setFocus();
    QTest::keyClick(Button("CopyButton"), Qt::Key_Space);
    EXPECT_TRUE(Clipboard().startsWith(QStringLiteral("i\tsmer\t"))) << Clipboard().toStdString();
    EXPECT_EQ(pauses.count(), 0);
}

TEST_F(StepViewTest, CtrlCCopiesTheSelectedRectangleWithItsHeaders) {
    Run("30");
    Table()->setFocus();
    Select(0, kColumnIndex, 1, kColumnSigma);
    Table()->selectionModel()->select(Table()->model()->index(5, kColumnErrorY),
                                      QItemSelectionModel::Select);
    QTest::keyClick(Table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), QString::fromUtf8("i\tsmer\t|y \u2212 sin|\n"
                                             "0\t+\t5.00e-01\n"
                                             "1\t\u2212\t1.07e-01\n"
                                             "5\t+\t1.67e-02"));
}

TEST_F(StepViewTest, CopyButtonCopiesTheWholeTable) {
    Run("30");
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(Button("CopyButton"), Qt::LeftButton);
    const QString text = Clipboard();
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(
        "i\tsmer\tatan 2^-i\tz\tx\ty\t|x \u2212 cos|\t|y \u2212 sin|\n"
        "0\t+\t0.78539816339744830963\t0.52359877559829885263\t0.6072529350088812563\t0\t"
        "2.59e-01\t5.00e-01\n")))
        << text.left(200).toStdString();
    EXPECT_EQ(text.count(u'\n'), 55);
    EXPECT_TRUE(text.section(u'\n', 55).startsWith(QString::fromUtf8("v\u00fdsledok\t\t\t")));
}

TEST_F(StepViewTest, TableGrowsWithTheRowsAndStartsAfresh) {
    Run("30", 10);
    EXPECT_EQ(Table()->model()->rowCount(), 10);
    AppendSteps(10, kCordicSteps);
    EXPECT_EQ(Table()->model()->rowCount(), 54);
    Run("45", 0);
    EXPECT_EQ(Table()->model()->rowCount(), 0);
}

TEST_F(StepViewTest, ModelGivesPlainTextsAndTheSettledPrefix) {
    Run("30");
    const QAbstractItemModel* model = Table()->model();
    // Step 13: x = 0.86603336..., of which "0.8660" agrees with the final 0.86602540...
    EXPECT_EQ(model->index(13, kColumnX).data().toString(),
              QStringLiteral("0.86603336838282938534"));
    EXPECT_EQ(model->index(13, kColumnX).data(TStepTableModel::kSettledPrefixRole).toInt(), 6);
    EXPECT_FALSE(model->index(13, kColumnZ).data(TStepTableModel::kSettledPrefixRole).isValid());
    EXPECT_EQ(model->index(54, kColumnIndex).data().toString(), QString::fromUtf8("v\u00fdsledok"));
    EXPECT_EQ(model->headerData(kColumnErrorX, Qt::Horizontal).toString(),
              QString::fromUtf8("|x \u2212 cos|"));
}

TEST_F(StepViewTest, FollowsTheNewestRow) {
    Run("30");
    QCoreApplication::processEvents();
    const QScrollBar* bar = Table()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(StepViewTest, StaysWhereTheUserScrolledAway) {
    Run("30", 30);
    QCoreApplication::processEvents();
    QScrollBar* bar = Table()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(0);
    AppendSteps(30, kCordicSteps);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_GT(bar->maximum(), 0);
}

TEST_F(StepViewTest, FollowsAgainAfterScrollingBackToTheBottom) {
    Run("30", 30);
    QCoreApplication::processEvents();
    QScrollBar* bar = Table()->verticalScrollBar();
    bar->setValue(0);
    bar->setValue(bar->maximum());
    AppendSteps(30, kCordicSteps);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->value(), bar->maximum());
}

// Whether the cell's picture has pixels of a clearly green hue: the marked digits.
bool HasGreenText(QTableView* table, int row, int column) {
    table->scrollTo(table->model()->index(row, column));
    const QRect cell = table->visualRect(table->model()->index(row, column));
    const QImage image = table->viewport()->grab(cell).toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > c.red() + 40 && c.green() > c.blue() + 40) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(StepViewTest, MarksSettledDigitsInGreenButNotOnASelectedCell) {
    Run("30");
    EXPECT_TRUE(HasGreenText(Table(), 13, kColumnX));
    EXPECT_FALSE(HasGreenText(Table(), 0, kColumnX)); // 0.607... against 0.866...: none
    EXPECT_FALSE(HasGreenText(Table(), 13, kColumnZ));
    Select(13, kColumnX, 13, kColumnX);
    EXPECT_FALSE(HasGreenText(Table(), 13, kColumnX));
}

} // namespace
