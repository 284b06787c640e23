#include "step_plot.h"

#include "guard.h"

#include <QPainter>

TStepPlot::TStepPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TStepPlot::SetRows(const TStepRows* rows) {
    rows_ = rows;
    update();
}

void TStepPlot::RowsChanged() {
    update();
}

void TStepPlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    Guarded([&] { Paint(painter); });
}

void TStepPlot::DrawBackground(QPainter& painter, const QRect& widget, const QRectF& area,
                               const QPalette& palette) {
    painter.fillRect(widget, palette.window());
    painter.fillRect(area, palette.base());
}

QPointF TStepPlot::AtFraction(const QRectF& area, long double right, long double down) {
    return {area.left() + static_cast<double>(right) * area.width(),
            area.top() + static_cast<double>(down) * area.height()};
}
