#pragma once

#include <QPointF>
#include <QRectF>

class QPainter;
class QPalette;
class QRect;

// What the painted plots of every window share: the plotting area on the widget, and points
// placed in it by fractions of its width and height.

// The widget in the window's colour with the plotting area in the base colour.
void DrawPlotBackground(QPainter& painter, const QRect& widget, const QRectF& area,
                        const QPalette& palette);

// The point a fraction `right` of the way across `area` and `down` of the way down.
QPointF AtFraction(const QRectF& area, long double right, long double down);
