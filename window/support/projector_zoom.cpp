#include "projector_zoom.h"

#include "guard.h"

#include <QEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <cmath>

TProjectorZoom::TProjectorZoom(QWidget* window)
    : QObject(window), window_(window), designFont_(window->font()) {
    const auto add = [this](const QKeySequence& keys, void (TProjectorZoom::*action)()) {
        auto* shortcut = new QShortcut(keys, window_);
        connect(shortcut, &QShortcut::activated, this,
                [this, action] { Guarded([this, action] { (this->*action)(); }); });
        return shortcut;
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Plus), &TProjectorZoom::ZoomIn);
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), &TProjectorZoom::ZoomIn);
    add(QKeySequence(Qt::CTRL | Qt::Key_Minus), &TProjectorZoom::ZoomOut);
    add(QKeySequence(Qt::CTRL | Qt::Key_0), &TProjectorZoom::Reset);
    add(QKeySequence(Qt::Key_F11), &TProjectorZoom::ToggleFullScreen);
    leave_ = add(QKeySequence(Qt::Key_Escape), &TProjectorZoom::LeaveFullScreen);
    leave_->setEnabled(false);
    window_->installEventFilter(this);
}

void TProjectorZoom::ZoomIn() {
    SetPercent(percent_ + kStepPercent);
}

void TProjectorZoom::ZoomOut() {
    SetPercent(percent_ - kStepPercent);
}

void TProjectorZoom::Reset() {
    SetPercent(kMinimumPercent);
}

void TProjectorZoom::ToggleFullScreen() {
    if (window_->isFullScreen()) {
        LeaveFullScreen();
        return;
    }
    wasMaximized_ = window_->isMaximized();
    window_->showFullScreen();
}

void TProjectorZoom::LeaveFullScreen() {
    if (!window_->isFullScreen()) {
        return;
    }
    if (wasMaximized_) {
        window_->showMaximized();
    } else {
        window_->showNormal();
    }
}

void TProjectorZoom::SetPercent(int percent) {
    percent = std::clamp(percent, kMinimumPercent, kMaximumPercent);
    if (percent == percent_) {
        return;
    }
    percent_ = percent;
    QFont font = designFont_;
    if (designFont_.pointSizeF() > 0) {
        font.setPointSizeF(designFont_.pointSizeF() * Factor());
    } else {
        font.setPixelSize(static_cast<int>(std::lround(designFont_.pixelSize() * Factor())));
    }
    window_->setFont(font);
    emit Changed(Factor());
}

bool TProjectorZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange) {
        leave_->setEnabled(window_->isFullScreen());
    }
    return QObject::eventFilter(watched, event);
}
