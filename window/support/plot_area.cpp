#include "plot_area.h"

#include <QPainter>
#include <QPalette>

void DrawPlotBackground(QPainter& painter, const QRect& widget, const QRectF& area,
                        const QPalette& palette) {
    painter.fillRect(widget, palette.window());
    painter.fillRect(area, palette.base());
}

QPointF AtFraction(const QRectF& area, long double right, long double down) {
    return {area.left() + static_cast<double>(right) * area.width(),
            area.top() + static_cast<double>(down) * area.height()};
}
