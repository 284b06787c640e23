#include "step_follower.h"

#include "screen_fit.h"
#include "step_view.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <utility>

namespace {

// The narrowest the view is made to stand beside the main window: its table's columns still
// show their numbers whole.
constexpr int kNarrowestBeside = 1000;

TScreenRect ToScreenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// Puts the view beside `owner` as PlaceBeside (screen_fit.h) decides: entirely on the screen,
// beside the main window where there is room, else over it.
void PlaceBeside(QWidget* view, const QWidget* owner) {
    const QScreen* screen = owner->screen();
    if (screen == nullptr) {
        return;
    }
    const QSize frameExtra = view->frameGeometry().size() - view->size();
    const QSize wanted = view->size() + frameExtra;
    const TScreenRect frame =
        PlaceBeside(ToScreenRect(owner->frameGeometry()), {wanted.width(), wanted.height()},
                    kNarrowestBeside, ToScreenRect(screen->availableGeometry()));
    view->resize(QSize(frame.width, frame.height) - frameExtra);
    view->move(frame.x, frame.y);
}

} // namespace

TStepFollower::TStepFollower(QWidget* owner, std::function<bool()> waitForEvents)
    : owner_(owner), waitForEvents_(std::move(waitForEvents)) {}

void TStepFollower::ShowView() {
    if (view_ == nullptr) {
        view_ = new TStepView(rows_, owner_);
        view_->installEventFilter(this);
        connect(view_, &TStepView::PauseToggled, this, &TStepFollower::TogglePause);
        connect(view_, &TStepView::StepRequested, this, &TStepFollower::StepOnce);
        ReportRunState();
        PlaceBeside(view_, owner_);
    }
    view_->show();
    view_->raise();
    view_->activateWindow();
}

void TStepFollower::RunStarted(long double theta) {
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
