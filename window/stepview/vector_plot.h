#pragma once

#include "step_plot.h"

#include <functional>

// "Vektor kroku": the rotation of the shown step on the right half of the unit circle (see
// vector_geometry.h), large and smoothed: the axes and the circle, the target angle theta in
// green, the vectors of the earlier steps in light red, the shown step's vector in red and its
// turn as a blue arc with an arrow from that vector to the next (at least three arrow heads
// long, so that from step 4 on, where the true arc is shorter, its way still reads), captioned
// with its angle atan 2^-i and direction. While the shown step's direction is still to be guessed the turn is
// left out and the caption's direction reads "?". The caption wraps between its words where the
// plot is narrower than its line, and the circle keeps below it the room the longest caption
// takes, so that it stays put from step to step.
//
// SetRows, RowsChanged and ShowRow come from TStepPlot; the zoom from TPaperPlot.
class TVectorPlot : public TStepPlot {
    Q_OBJECT

public:
    explicit TVectorPlot(QWidget* parent = nullptr);

    // Tells whether the direction of the step of a row index is still to be guessed; by default
    // none is.
    void SetDirectionHidden(std::function<bool(int row)> hidden);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // In pixels: the room the margins take beside the circle's region (whose width over height
    // is RegionAspect(), vector_geometry.h), and the room a caption of one line and the margins
    // take above and below it.
    int FixedWidth() const;
    int FixedHeight() const;
    // The width the longest caption takes on one line, in pixels.
    int CaptionWidth() const;

protected:
    void Paint(QPainter& painter, const QRectF& area) const override;

private:
    std::function<bool(int)> directionHidden_;
};
