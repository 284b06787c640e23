#include "angle_input.h"
#include "cordic.h"
#include "direction_quiz.h"
#include "step_cells.h"
#include "step_rows.h"
#include "step_table_model.h"
#include "step_view.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
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
}

TEST_F(StepViewTest, TableAndEveryPlotShowWholeOnALaptopScreen) {
    // What a 1366 x 768 screen leaves inside the window's frame below a panel.
    view_->resize(1366, 700);
    QCoreApplication::processEvents();
    for (const char* name : {"StepTable", "VectorPlot", "Chart", "Magnifier"}) {
        const QWidget* part = Control(name);
        const QRect inView(part->mapTo(view_, QPoint(0, 0)), part->size());
        EXPECT_TRUE(part->isVisible()) << name;
        EXPECT_TRUE(view_->rect().contains(inView)) << name;
        EXPECT_GE(part->width(), part->minimumSizeHint().width()) << name;
        EXPECT_GE(part->height(), part->minimumSizeHint().height()) << name;
    }
    EXPECT_GE(Control("VectorPlot")->height(), 380) << "the vector plot is the largest";
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
    Select(9, 1, 9, 1); // the newest row's cell, a current cell the right arrow would move
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

// Scrolled sideways, the table keeps its column "i" over its left edge, rows in step.
TEST_F(StepViewTest, ColumnIStaysInViewWhenTheTableScrollsSideways) {
    Run("30");
    view_->resize(700, 600);
    QCoreApplication::processEvents();
    QTableView* table = Table();
    const auto frozen = [table] {
        for (auto* child : table->findChildren<QTableView*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible()) {
                return child;
            }
        }
        return static_cast<QTableView*>(nullptr);
    };
    EXPECT_EQ(frozen(), nullptr) << "at the left end the table's own column shows";
    table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
    table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    QTableView* column = frozen();
    ASSERT_NE(column, nullptr);
    EXPECT_LE(column->x(), table->frameWidth());
    EXPECT_EQ(column->columnWidth(0), table->columnWidth(0));
    EXPECT_TRUE(column->isColumnHidden(kColumnX));
    const int bottom = table->viewport()->height() - 2;
    EXPECT_EQ(column->indexAt(QPoint(5, bottom)).row(), table->indexAt(QPoint(5, bottom)).row());
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

TEST_F(StepViewTest, CopyButtonAndCtrlCWithoutASelectionCopyTheWholeTable) {
    Run("30");
    Select(3, kColumnX, 3, kColumnX);
    QTest::keyClick(Table(), Qt::Key_End); // follows the newest row: nothing is selected
    ASSERT_FALSE(Table()->selectionModel()->hasSelection());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(Table(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = Clipboard();
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(Button("CopyButton"), Qt::LeftButton);
    const QString text = Clipboard();
    EXPECT_EQ(copied, text);
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

// Showing any step: a run of 10 steps (rows 0 .. 9), the view at `start` (-1: following the
// newest) and the run going or paused; then one key.
struct ShowCase {
    const char* name;
    int start;
    bool paused;
    Qt::Key key;
    int shown;
    bool selected; // the shown row is the table's selection; otherwise nothing is selected
    int steps;     // StepRequested
};

void PrintTo(const ShowCase& c, std::ostream* os) {
    *os << c.name;
}

class StepViewShowTest : public StepViewTest, public testing::WithParamInterface<ShowCase> {};

TEST_P(StepViewShowTest, KeyShowsTheStepInTheSliderAndTheTable) {
    QSignalSpy steps(view_, &TStepView::StepRequested);
    Run("30", 10);
    view_->SetRunState(true, GetParam().paused);
    if (GetParam().start >= 0) {
        Control<QSlider>("StepSlider")->setValue(GetParam().start);
    }
    Table()->setFocus();
    QTest::keyClick(Table(), GetParam().key);
    EXPECT_EQ(view_->ShownStep(), GetParam().shown);
    EXPECT_EQ(Control<QSlider>("StepSlider")->value(), GetParam().shown);
    const QModelIndexList selected = Table()->selectionModel()->selectedRows();
    if (GetParam().selected) {
        ASSERT_EQ(selected.size(), 1);
        EXPECT_EQ(selected.front().row(), GetParam().shown);
    } else {
        EXPECT_TRUE(selected.isEmpty());
    }
    EXPECT_EQ(steps.count(), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StepViewShowTest,
    testing::Values(
        ShowCase{"HomeShowsStepZero", -1, false, Qt::Key_Home, 0, true, 0},
        ShowCase{"EndFollowsTheNewest", 3, false, Qt::Key_End, 9, false, 0},
        ShowCase{"LeftShowsTheStepBefore", -1, false, Qt::Key_Left, 8, true, 0},
        ShowCase{"LeftStopsAtStepZero", 0, true, Qt::Key_Left, 0, true, 0},
        ShowCase{"RightInThePastShowsTheNextStep", 3, true, Qt::Key_Right, 4, true, 0},
        ShowCase{"RightOntoTheNewestFollowsIt", 8, true, Qt::Key_Right, 9, false, 0},
        ShowCase{"RightAtTheNewestOfAPausedRunTakesAStep", -1, true, Qt::Key_Right, 9, false, 1},
        ShowCase{"RightAtTheNewestOfAGoingRunDoesNothing", -1, false, Qt::Key_Right, 9, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepViewTest, ClickedRowStaysShownWhileRowsArriveUntilEnd) {
    Run("30", 10);
    QCoreApplication::processEvents();
    const QRect cell = Table()->visualRect(Table()->model()->index(5, kColumnX));
    QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(view_->ShownStep(), 5);
    EXPECT_EQ(Control<QSlider>("StepSlider")->value(), 5);
    AppendSteps(10, 20);
    EXPECT_EQ(view_->ShownStep(), 5);
    QTest::keyClick(Table(), Qt::Key_End);
    AppendSteps(20, 30);
    EXPECT_EQ(view_->ShownStep(), 29);
    EXPECT_EQ(Control<QSlider>("StepSlider")->value(), 29);
}

TEST_F(StepViewTest, SliderBeyondTheRowsFollowsTheNewest) {
    Run("30", 10);
    Control<QSlider>("StepSlider")->setValue(40);
    EXPECT_EQ(view_->ShownStep(), 9);
    EXPECT_EQ(Control<QSlider>("StepSlider")->value(), 9);
    AppendSteps(10, 12);
    EXPECT_EQ(view_->ShownStep(), 11);
}

// The view over a quiz that the test's stand-in for the owner turns on and answers.
TEST_F(StepViewTest, AskedStepReadsAQuestionMarkUntilAKeyAnswersIt) {
    TDirectionQuiz quiz;
    view_->SetQuiz(&quiz);
    QObject::connect(view_, &TStepView::GuessingToggled, [&](bool on) { quiz.SetOn(on); });
    QObject::connect(view_, &TStepView::DirectionGuessed, [&](int sign) {
        quiz.Answer(sign, quiz.OpenStep());
        view_->QuizChanged();
    });
    QTest::mouseClick(Control<QCheckBox>("GuessBox"), Qt::LeftButton);
    ASSERT_TRUE(quiz.On());
    quiz.Start();
    Run("30", 2);
    const TStepRow& asked = rows_.Row(1); // step 1 turns clockwise
    quiz.StepNotified({asked.i, asked.x, asked.y, asked.z});
    view_->QuizChanged();

    const QModelIndex sigma = Table()->model()->index(1, kColumnSigma);
    EXPECT_EQ(sigma.data().toString(), QStringLiteral("?"));
    EXPECT_TRUE(Button("GuessPlusButton")->isEnabled());
    EXPECT_EQ(Control<QLabel>("QuestionLabel")->text(),
              QString::fromUtf8("Ak\u00fdm smerom sa oto\u010d\u00ed krok 1? Stla\u010d +\u00a0alebo"
                                "\u00a0\u2212."));
    Table()->setFocus();
    QTest::keyClick(Table(), Qt::Key_Minus);
    EXPECT_EQ(sigma.data().toString(), QString::fromUtf8("\u2212 \u2713"));
    EXPECT_EQ(Control<QLabel>("ScoreLabel")->text(), QString::fromUtf8("Spr\u00e1vne: 1 z 1"));
    EXPECT_EQ(Control<QLabel>("ScoreLabel")->accessibleName(), QString::fromUtf8("Sk\u00f3re"));
    EXPECT_EQ(Control<QLabel>("ScoreLabel")->accessibleDescription(),
              QString::fromUtf8("Spr\u00e1vne: 1 z 1"))
        << "what a screen reader reads after the name";
    EXPECT_FALSE(Button("GuessPlusButton")->isEnabled());
    EXPECT_EQ(Control<QLabel>("QuestionLabel")->text(), QString());
    QSignalSpy guesses(view_, &TStepView::DirectionGuessed);
    QTest::keyClick(Table(), Qt::Key_Plus);
    EXPECT_EQ(guesses.count(), 0) << "no question is open";
}
