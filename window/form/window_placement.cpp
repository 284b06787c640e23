#include "window_placement.h"

#include "guard.h"
#include "screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <vector>

namespace {

TScreenRect ToScreenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void PlaceBesideOwner(QWidget* window, const QWidget* owner, int narrowest) {
    const QScreen* screen = owner->screen();
    if (screen == nullptr) {
        return;
    }
    const QSize frameExtra = window->frameGeometry().size() - window->size();
    const QSize wanted = window->size() + frameExtra;
    // The owner's other windows on the screen, which the new one should cover as little as it can.
    std::vector<TScreenRect> others;
    for (const QWidget* other : owner->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != window && other->isWindow() && other->isVisible()) {
            others.push_back(ToScreenRect(other->frameGeometry()));
        }
    }
    const TScreenRect frame =
        PlaceClear(ToScreenRect(owner->frameGeometry()), others, {wanted.width(), wanted.height()},
                   narrowest, ToScreenRect(screen->availableGeometry()));
    window->resize(QSize(frame.width, frame.height) - frameExtra);
    window->move(frame.x, frame.y);
}

// Places the window once more when it first moves with a frame around it: a window manager
// frames a window after it is shown, and only then do its title bar and borders count.
class TPlaceWhenFramed : public QObject {
public:
    TPlaceWhenFramed(QWidget* window, const QWidget* owner, int narrowest)
        : QObject(window), window_(window), owner_(owner), narrowest_(narrowest) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
        if (watched == window_ && moved && window_->frameGeometry().size() != window_->size()) {
            window_->removeEventFilter(this);
            Guarded([this] { PlaceBesideOwner(window_, owner_, narrowest_); });
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    const QWidget* owner_;
    int narrowest_;
};

} // namespace

void ShowBesideOwner(QWidget* window, const QWidget* owner, int narrowest, bool place) {
    if (place) {
        PlaceBesideOwner(window, owner, narrowest);
        new TPlaceWhenFramed(window, owner, narrowest);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
