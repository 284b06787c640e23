#include "plot_area.h"

QPointF AtFraction(const QRectF& area, long double right, long double down) {
    return {area.left() + static_cast<double>(right) * area.width(),
            area.top() + static_cast<double>(down) * area.height()};
}
