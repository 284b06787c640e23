#include "step_plot.h"

#include "guard.h"
#include "step_rows.h"

#include <QPainter>
#include <algorithm>

TStepPlot::TStepPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Sets the size explicitly, so that the window's zoomed font does not change it.
    QFont own = font();
    if (own.pointSizeF() > 0) {
        own.setPointSizeF(own.pointSizeF());
    } else {
        own.setPixelSize(own.pixelSize());
    }
    setFont(own);
}

void TStepPlot::SetRows(const TStepRows* rows) {
    rows_ = rows;
    update();
}

void TStepPlot::RowsChanged() {
    update();
}

void TStepPlot::ShowRow(int index) {
    shownIndex_ = std::max(index, -1);
    update();
}

void TStepPlot::SetZoom(qreal factor) {
    zoom_ = factor;
    updateGeometry();
    update();
}

QSize TStepPlot::ZoomedSize(QSize size) const {
    return (QSizeF(size) * zoom_).toSize();
}

QFont TStepPlot::PaintFont() const {
    QFont zoomed = font();
    if (zoomed.pointSizeF() > 0) {
        zoomed.setPointSizeF(zoomed.pointSizeF() * zoom_);
    } else {
        zoomed.setPixelSize(qRound(zoomed.pixelSize() * zoom_));
    }
    return zoomed;
}

int TStepPlot::ShownRow() const {
    if (rows_ == nullptr || rows_->Count() == 0) {
        return -1;
    }
    const int newest = static_cast<int>(rows_->Count()) - 1;
    return shownIndex_ < 0 ? newest : std::min(shownIndex_, newest);
}

void TStepPlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    Guarded([&] {
        painter.setFont(PaintFont());
        Paint(painter);
    });
}
