#pragma once

#include "convergence_scale.h"
#include "lab.h"

#include <QWidget>
#include <array>
#include <cstdint>

// "Najväčšia chyba podľa počtu krokov": a laboratory sweep (LabSweep) -- the largest error of
// either result, in units u, over 1,001 inputs -- against the number of steps n = 1 .. 64 on a
// logarithmic axis fitted to the sweep's decades (convergence_scale.h, the step view's scale),
// so that a rise of a few units after the least error shows. Drawn as the step view's
// convergence chart is: decade grid, labelled every decade when there are few and every five
// when there are many, one curve with filled markers, hollow on the floor (exact zero).
//
// Two marks on top: where the error stops falling (the first n with the least error,
// sweep_floor.h) as a dashed green line across the chart at that level and down to that n, with
// its n and error written beside it; and the current n as a solid red vertical line with a
// larger marker on its point.
class TLabErrorChart : public QWidget {
    Q_OBJECT

public:
    explicit TLabErrorChart(QWidget* parent = nullptr);

    // A new sweep; the chart keeps its own copy.
    void SetSweep(const TLabSweep& sweep);
    // The n of the run the table shows.
    void SetCurrentSteps(std::int32_t steps);
    // The projector zoom: line widths, markers and text drawn `factor` times their design size.
    void SetZoom(qreal factor);

    bool HasSweep() const { return hasSweep_; }
    std::int32_t FloorSteps() const { return floorSteps_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Paint(QPainter& painter) const;

    TLabSweep sweep_{};
    TLogScale scale_;
    bool hasSweep_ = false;
    std::int32_t floorSteps_ = 1;
    std::int32_t current_ = 1;
    qreal zoom_ = 1.0;
};
