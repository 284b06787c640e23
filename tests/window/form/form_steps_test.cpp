// The main window with its step view: the ways to open it, the runs it follows, and what
// closing either window does to a run the view holds. (Pause and single step through the real
// window are the e2e case_steps; the hold itself is tested at the run's level.)
#include "form_fixture.h"
#include "lab_window.h"
#include "step_view.h"

#include <QAction>
#include <QImage>
#include <QTableView>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

class TFormStepsTest : public FormTest {
protected:
    QTableView* Table() const { return form_->StepView()->findChild<QTableView*>("StepTable"); }
    int Rows() const { return Table()->model()->rowCount(); }
    QString Cell(int row, int column) const {
        return Table()->model()->index(row, column).data().toString();
    }
    QPushButton* ViewButton(const char* name) const {
        return form_->StepView()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void Run(const QString& angle, int unit) {
        ChooseUnit(unit);
        TypeAngle(angle);
        SlideTo(Qt::Key_Home);
        ClickStart();
    }

    // Starts a slow run and performs `acts` one after another, kActDuringRunMs * 3 apart, while
    // it goes or stands paused; returns when the run has ended. Pause() pauses it and drops the
    // slider to 0, so that the current step's pause ends and the hold begins at once.
    void RunActing(const std::vector<std::function<void()>>& acts) {
        TypeAngle(QStringLiteral("20"));
        Tb()->setValue(Tb()->maximum() / 50);
        for (std::size_t i = 0; i < acts.size(); ++i) {
            QTimer::singleShot(kActDuringRunMs * 3 * static_cast<int>(i + 1), form_.get(), acts[i]);
        }
        ClickStart();
    }
    void Pause() {
        QTest::mouseClick(ViewButton("PauseButton"), Qt::LeftButton);
        Tb()->setValue(0);
    }
};

TEST_F(TFormStepsTest, OpensByF2OrThePlotsMenuAndShowsTheLatestValidRun) {
    EXPECT_EQ(form_->StepView(), nullptr) << "nothing of the view before it is opened";
    EXPECT_EQ(Img()->toolTip(), QStringLiteral("Pravé tlačidlo alebo F2: kroky algoritmu"));
    // The step view's item first, then the laboratory's.
    ASSERT_EQ(Img()->actions().size(), 2);
    QAction* menuItem = Img()->actions().front();
    EXPECT_EQ(menuItem->text(), QStringLiteral("Zobraziť kroky…"));
    EXPECT_EQ(Img()->actions().back()->text(), QStringLiteral("Laboratórium…"));
    EXPECT_EQ(Img()->contextMenuPolicy(), Qt::ActionsContextMenu);

    Run(QStringLiteral("30"), 0);
    QTest::keyClick(Field("Input"), Qt::Key_F2);
    TStepView* view = form_->StepView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(view->isWindow());
    EXPECT_EQ(view->parentWidget(), form_.get());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Kroky algoritmu CORDIC"));
    ASSERT_EQ(Rows(), 55) << "the run made before the view was opened";
    EXPECT_EQ(Cell(54, 0), QStringLiteral("výsledok"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("−"));

    view->close();
    menuItem->trigger();
    EXPECT_EQ(form_->StepView(), view) << "one view, shown again";
    EXPECT_TRUE(view->isVisible());

    Run(QStringLiteral("91"), 0); // refused: the view keeps the last run
    EXPECT_EQ(Rows(), 55);
    Run(QStringLiteral("-0.5"), 1);
    ASSERT_EQ(Rows(), 55);
    EXPECT_EQ(Cell(0, 3), QStringLiteral("-0.5"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("−"));
    EXPECT_EQ(form_->StatusText(), QStringLiteral("Hotovo"));
}

TEST_F(TFormStepsTest, F3InTheStepViewOpensTheLaboratory) {
    QTest::keyClick(Field("Input"), Qt::Key_F2);
    ASSERT_NE(form_->StepView(), nullptr);
    QTest::keyClick(form_->StepView(), Qt::Key_F3);
    ASSERT_NE(form_->Laboratory(), nullptr);
    EXPECT_TRUE(form_->Laboratory()->isVisible());
}

TEST_F(TFormStepsTest, ClosingTheViewWhilePausedLetsTheRunFinish) {
    form_->ShowSteps();
    RunActing({
        [&] { Pause(); },
        [&] { form_->StepView()->close(); },
    });
    EXPECT_EQ(form_->StatusText(), QStringLiteral("Hotovo"));
    EXPECT_EQ(Memo("Memo1")->blockCount(), 54);
}

TEST_F(TFormStepsTest, ClosingTheMainWindowWhilePausedEndsTheRunAndClosesTheView) {
    form_->ShowSteps();
    int rowsWhenClosed = -1;
    RunActing({
        [&] { Pause(); },
        [&] {
            rowsWhenClosed = Rows();
            form_->close();
        },
    });
    EXPECT_FALSE(form_->isVisible());
    EXPECT_FALSE(form_->StepView()->isVisible());
    EXPECT_EQ(Rows(), rowsWhenClosed);
    EXPECT_EQ(form_->StatusText(), QStringLiteral("Pocitam..."));
}

TEST_F(TFormStepsTest, ShowingAPastStepChangesNothingInTheMainWindow) {
    Run(QStringLiteral("30"), 0);
    form_->ShowSteps();
    const QImage plot = Img()->grab().toImage();
    const QString trace = Memo("Memo1")->toPlainText();
    TStepView* view = form_->StepView();
    view->findChild<QSlider*>("StepSlider")->setValue(3);
    EXPECT_EQ(view->ShownStep(), 3);
    EXPECT_EQ(Img()->grab().toImage(), plot);
    EXPECT_EQ(Memo("Memo1")->toPlainText(), trace);
    EXPECT_EQ(form_->StatusText(), QStringLiteral("Hotovo"));
    EXPECT_TRUE(Button1()->isEnabled());
}

} // namespace
