#include "projector_zoom.h"

#include "guard.h"
#include "screen_fit.h"

#include <QEvent>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <cmath>

QFont ScaledFont(const QFont& font, qreal factor) {
    QFont scaled = font;
    if (font.pointSizeF() > 0) {
        scaled.setPointSizeF(font.pointSizeF() * factor);
    } else {
        scaled.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * factor)));
    }
    return scaled;
}

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
    if (percent_ == kMinimumPercent) {
        designSize_ = window_->size();
    }
    percent_ = percent;
    window_->setFont(Scaled(designFont_));
    emit Changed(Factor());
    Grow();
}

// A window in full screen or maximized keeps its size; another one grows with the zoom, as far as
// the screen allows, and stays on the screen.
void TProjectorZoom::Grow() {
    const QScreen* screen = window_->screen();
    if (screen == nullptr || window_->isFullScreen() || window_->isMaximized() ||
        !window_->isVisible()) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize frame = window_->frameGeometry().size() - window_->size();
    const TScreenRect area{available.x(), available.y(), available.width(), available.height()};
    const TScreenSize size = ZoomedWindowSize({designSize_.width(), designSize_.height()}, Factor(),
                                              {frame.width(), frame.height()}, area);
    window_->resize(size.width, size.height);
    const QRect placed = window_->frameGeometry();
    const TScreenPoint at = FitFrameOnScreen(
        {placed.x(), placed.y(), size.width + frame.width(), size.height + frame.height()}, area);
    if (at.x != placed.x() || at.y != placed.y()) {
        window_->move(at.x, at.y);
    }
}

bool TProjectorZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange) {
        leave_->setEnabled(window_->isFullScreen());
    }
    return QObject::eventFilter(watched, event);
}
