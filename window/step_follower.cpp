#include "step_follower.h"

#include "step_view.h"

#include <QEvent>
#include <QWidget>
#include <utility>

TStepFollower::TStepFollower(QWidget* owner, std::function<bool()> waitForEvents)
    : owner_(owner), waitForEvents_(std::move(waitForEvents)) {}

TStepFollower::~TStepFollower() = default;

void TStepFollower::ShowView() {
    if (view_ == nullptr) {
        view_ = new TStepView(rows_, owner_);
        view_->installEventFilter(this);
        connect(view_, &TStepView::PauseToggled, this, &TStepFollower::TogglePause);
        connect(view_, &TStepView::StepRequested, this, &TStepFollower::StepOnce);
        ReportRunState();
    }
    view_->show();
    view_->raise();
    view_->activateWindow();
}

void TStepFollower::RunStarted(long double theta) {
    hold_.Resume();
    running_ = true;
    rows_.Start(theta);
    if (view_ != nullptr) {
        view_->RowsReset();
    }
    ReportRunState();
}

void TStepFollower::StepNotified(const TCordicStep& step) {
    rows_.AddStep(step);
    if (view_ != nullptr) {
        view_->RowAppended();
    }
}

bool TStepFollower::HoldAfterStep() {
    return hold_.Wait(waitForEvents_);
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
    ReportRunState();
}

bool TStepFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Hide && hold_.Paused()) {
        hold_.Resume();
        ReportRunState();
    }
    return QObject::eventFilter(watched, event);
}

void TStepFollower::TogglePause() {
    if (!running_) {
        return;
    }
    if (hold_.Paused()) {
        hold_.Resume();
    } else {
        hold_.Pause();
    }
    ReportRunState();
}

void TStepFollower::StepOnce() {
    if (!running_) {
        return;
    }
    hold_.Step();
    ReportRunState();
}

void TStepFollower::ReportRunState() {
    if (view_ != nullptr) {
        view_->SetRunState(running_, hold_.Paused());
    }
}
