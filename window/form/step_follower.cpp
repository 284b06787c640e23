#include "step_follower.h"

#include "guard.h"
#include "step_view.h"
#include "window_placement.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace {

// The narrowest the view is made to stand beside the main window: its table's columns still
// show their numbers whole.
constexpr int kNarrowestBeside = 1000;

} // namespace

TStepFollower::TStepFollower(QWidget* owner, std::function<bool()> waitForEvents,
                             std::function<int()> pacePosition)
    : owner_(owner), waitForEvents_(std::move(waitForEvents)),
      pacePosition_(std::move(pacePosition)) {}

void TStepFollower::ShowView() {
    if (view_ == nullptr) {
        view_ = new TStepView(rows_, owner_);
        view_->installEventFilter(this);
        connect(view_, &TStepView::PauseToggled, this, &TStepFollower::TogglePause);
        connect(view_, &TStepView::StepRequested, this, &TStepFollower::StepOnce);
        connect(view_, &TStepView::GuessingToggled, this, &TStepFollower::ToggleGuessing);
        connect(view_, &TStepView::DirectionGuessed, this, &TStepFollower::Guess);
        connect(view_, &TStepView::LaboratoryRequested, this,
                &TStepFollower::LaboratoryRequested);
        view_->SetQuiz(&quiz_);
        ReportRunState();
        ShowBesideOwner(view_, owner_, kNarrowestBeside, true);
        return;
    }
    ShowBesideOwner(view_, owner_, kNarrowestBeside, false);
}

void TStepFollower::RunStarted(long double theta) {
    running_ = true;
    rows_.Start(theta);
    quiz_.Start();
    if (view_ != nullptr) {
        view_->RowsReset();
    }
    ReportRunState();
    ReportQuiz();
}

void TStepFollower::StepNotified(const TCordicStep& step) {
    rows_.AddStep(step);
    quiz_.StepNotified(step);
    if (view_ != nullptr) {
        view_->RowAppended();
    }
    if (quiz_.Asking()) {
        ReportQuiz();
    }
}

bool TStepFollower::HoldAfterStep() {
    // The answer first: a paused run shows the step's direction before it stops.
    return quiz_.Wait(waitForEvents_) && hold_.Wait(waitForEvents_);
}

void TStepFollower::RunCompleted(const TCordicResult& result) {
    rows_.AddResult(result);
    if (view_ != nullptr) {
        view_->RowAppended();
    }
}

void TStepFollower::RunEnded() {
    running_ = false;
    hold_.Resume();
    quiz_.Withdraw();
    ReportRunState();
    ReportQuiz();
}

bool TStepFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Hide) {
        Guarded([this] {
            if (hold_.Paused()) {
                hold_.Resume();
                ReportRunState();
            }
            if (quiz_.On()) {
                quiz_.SetOn(false);
                ReportQuiz();
            }
        });
    }
    return QObject::eventFilter(watched, event);
}

void TStepFollower::TogglePause() {
    Guarded([this] {
        if (!running_) {
            return;
        }
        if (hold_.Paused()) {
            hold_.Resume();
        } else {
            hold_.Pause();
        }
        ReportRunState();
    });
}

void TStepFollower::StepOnce() {
    Guarded([this] {
        if (!running_) {
            return;
        }
        hold_.Step();
        ReportRunState();
    });
}

void TStepFollower::ToggleGuessing(bool on) {
    Guarded([this, on] {
        quiz_.SetOn(on);
        ReportQuiz();
    });
}

void TStepFollower::Guess(int sign) {
    Guarded([this, sign] {
        if (view_ == nullptr) {
            return;
        }
        switch (quiz_.Answer(sign, view_->ShownStep())) {
        case TGuessOutcome::NoQuestion:
            return;
        case TGuessOutcome::ShowQuestion:
            view_->ShowQuestion();
            return;
        case TGuessOutcome::Counted:
            quiz_.Reveal();
            QTimer::singleShot(RevealMilliseconds(pacePosition_()), this,
                               [this] { Guarded([this] { quiz_.EndReveal(); }); });
            ReportQuiz();
            return;
        }
    });
}

void TStepFollower::ReportQuiz() {
    if (view_ != nullptr) {
        view_->QuizChanged();
    }
}

void TStepFollower::ReportRunState() {
    if (view_ != nullptr) {
        view_->SetRunState(running_, hold_.Paused());
    }
}
