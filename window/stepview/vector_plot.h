#pragma once

#include "step_plot.h"

#include <functional>

// "Vektor kroku": the rotation of the shown step on the right half of the unit circle (see
// vector_geometry.h), large and smoothed: the axes and the circle, the target angle theta in
// green, the vectors of the earlier steps in light red, the shown step's vector in red and its
// turn as a blue arc with an arrow from that vector to the next, captioned with its angle
// atan 2^-i and direction. While the shown step's direction is still to be guessed the turn is
// left out and the caption's direction reads "?".
//
// Pens, markers and text are drawn Zoom() times their design size. SetRows, RowsChanged and
// ShowRow come from TStepPlot.
class TVectorPlot : public TStepPlot {
    Q_OBJECT

public:
    explicit TVectorPlot(QWidget* parent = nullptr);

    // Tells whether the direction of the step of a row index is still to be guessed; by default
    // none is.
    void SetDirectionHidden(std::function<bool(int row)> hidden);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void Paint(QPainter& painter) const override;

private:
    std::function<bool(int)> directionHidden_;
};
