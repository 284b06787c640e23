#pragma once

#include <QPointF>
#include <QRectF>

// Points placed in a plot's area by fractions of its width and height, as the Qt-free geometry
// of every plot gives them.

// The point a fraction `right` of the way across `area` and `down` of the way down.
QPointF AtFraction(const QRectF& area, long double right, long double down);
