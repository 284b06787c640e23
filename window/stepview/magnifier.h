#pragma once

#include "step_plot.h"

// "Lupa okolo cieľa": the neighbourhood of the target point (cos theta, sin theta) at the scale
// of one step (see magnifier_geometry.h). A square view, centred in the widget, whose width at
// step i is 4 atan 2^-i: the target ray through the centre in green, the unit circle's arc in
// black, the shown row's tip (x, y) as a red dot, the earlier tips still in the view in light
// red, and the view's width in a corner. Step after step the view shrinks by half, so every
// correction -- down to the 54th, at a width of a few 1e-16 -- moves the tip visibly.
//
// SetRows, RowsChanged and ShowRow come from TStepPlot.
class TMagnifier : public TStepPlot {
    Q_OBJECT

public:
    explicit TMagnifier(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void Paint(QPainter& painter, const QRectF& area) const override;
};
