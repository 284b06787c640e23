#include "resize_watch.h"

#include "guard.h"

#include <QEvent>
#include <QWidget>
#include <utility>

namespace {

class TResizeWatch : public QObject {
public:
    TResizeWatch(QWidget* widget, std::function<void()> handler)
        : QObject(widget), handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize) {
            Guarded([this] { handler_(); });
        }
        return false;
    }

private:
    std::function<void()> handler_;
};

} // namespace

void WhenResized(QWidget* widget, std::function<void()> handler) {
    new TResizeWatch(widget, std::move(handler));
}
