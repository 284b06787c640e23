#pragma once

#include "direction_quiz.h"
#include "run.h"
#include "run_hold.h"
#include "step_rows.h"
#include "step_view.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// Follows the main window's runs for the step view. It keeps the rows of the latest valid run
// whether the view is open or not (so that opening it after a run shows that run), holds the run
// while the view has paused it, and opens the view on request. Closing the view lets a paused run
// go on, so that a run is never held by a window that is not there. While the view's "Hádaj smer"
// is on, its quiz holds every step until the student guesses the direction, and after a counted
// guess a moment longer, as long as RevealMilliseconds gives for the slider's pace, so that the
// answered step's turn shows; closing the view turns the quiz off.
class TStepFollower : public QObject, public IRunObserver {
    Q_OBJECT

public:
    // `owner`: the main window, whose child the view becomes. `waitForEvents`: handles the
    // window's events, blocking until some arrive; false once the main window has closed.
    // `pacePosition`: the main window's slider position, read when a reveal starts.
    TStepFollower(QWidget* owner, std::function<bool()> waitForEvents,
                  std::function<int()> pacePosition);

    // Shows the step view, creating it on first use beside the main window (as far as the
    // screen allows), and brings it to the front.
    void ShowView();
    // The view, nullptr until it is first shown and after it has been destroyed.
    TStepView* View() const { return view_; }

    void RunStarted(long double theta) override;
    void StepNotified(const TCordicStep& step) override;
    bool HoldAfterStep() override;
    void RunCompleted(const TCordicResult& result) override;
    void RunEnded() override;

signals:
    // The view asked for the laboratory (F3).
    void LaboratoryRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TogglePause();
    void StepOnce();
    void ReportRunState();
    void ToggleGuessing(bool on);
    void Guess(int sign);
    void ReportQuiz();

    QWidget* owner_;
    std::function<bool()> waitForEvents_;
    std::function<int()> pacePosition_;
    TStepRows rows_;
    TRunHold hold_;
    TDirectionQuiz quiz_;
    QPointer<TStepView> view_;
    bool running_ = false; // between RunStarted and RunEnded; every run ends unpaused
};
