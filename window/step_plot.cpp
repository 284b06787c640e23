#include "step_plot.h"

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
    // Painting allocates (polylines, label texts); running out of memory leaves this frame
    // unfinished rather than unwinding into the toolkit's event dispatch.
    try {
        Paint(painter);
    } catch (...) {
    }
}
