#include "paper_plot.h"

#include "colours.h"
#include "guard.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

TPaperPlot::TPaperPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The size set explicitly, so that the window's zoomed font does not change it.
    QFont own = font();
    if (own.pointSizeF() > 0) {
        own.setPointSizeF(own.pointSizeF());
    } else {
        own.setPixelSize(own.pixelSize());
    }
    setFont(own);
}

void TPaperPlot::SetZoom(qreal factor) {
    zoom_ = factor;
    updateGeometry();
    update();
}

QSize TPaperPlot::ZoomedSize(QSize design) const {
    return (QSizeF(design) * zoom_).toSize();
}

QRectF TPaperPlot::DesignArea() const {
    return {0, 0, width() / zoom_, height() / zoom_};
}

void TPaperPlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    Guarded([&] {
        painter.scale(zoom_, zoom_);
        painter.setFont(font());
        const QRectF area = DesignArea();
        painter.fillRect(area, kPaper);
        Paint(painter, area);
    });
}

bool TPaperPlot::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    Guarded([&] {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(QPointF(help->pos()) / zoom_);
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
    });
    return true;
}

QString TPaperPlot::ToolTipAt(QPointF /*at*/) const {
    return {};
}
