#pragma once

#include "log_chart.h"
#include "step_plot.h"

// "Konvergencia chyby": how fast a run closes in on cos theta and sin theta. Both error columns
// of the step rows, |x - cos theta| and |y - sin theta|, against the step index i on a
// logarithmic axis from 1 down to 1e-20 (see convergence_scale.h), with the step angle
// atan 2^-i as the reference the errors follow: each step halves the angle still to correct.
// The result row sits at i = 54 and has no step angle. An error below 1e-20 -- exactly zero
// included, as at step 0 of a run to 0 -- is drawn on the floor as a hollow marker. A translucent
// red line marks the shown step; the legend goes into a corner no curve runs through. The mouse
// over a point tells its step and error.
//
// SetRows, RowsChanged and ShowRow come from TStepPlot.
class TConvergenceChart : public TStepPlot {
    Q_OBJECT

public:
    explicit TConvergenceChart(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void Paint(QPainter& painter, const QRectF& area) const override;
    QString ToolTipAt(QPointF at) const override;

private:
    TChartContent Content() const;

    TLogChart chart_;
};
