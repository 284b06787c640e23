#pragma once

#include "lab.h"
#include "log_chart.h"
#include "paper_plot.h"

#include <QString>
#include <cstdint>
#include <optional>

// "Najväčšia chyba podľa počtu krokov": a laboratory sweep (LabSweep) -- the largest error of
// the results, in units u, over 1,001 inputs -- against the number of steps n = 1 .. 64 on a
// logarithmic axis fitted to the sweep's decades (convergence_scale.h), so that a rise of a few
// units after the least error shows. Drawn by the windows' one chart (log_chart.h): one curve
// with filled markers, hollow on the floor (exact zero).
//
// A fixed-point setup that rounds its shifts or carries guard bits is drawn beside the same setup
// with plain truncation and no guard bits: a second, grey curve behind the first, labelled
// "bez zaokrúhlenia a strážnych bitov" in a legend that names the first curve's settings too
// ("k párnemu, G = 4"), so that what the rounding and the guard bits buy shows as the gap between
// the two.
//
// Two marks on top: where the error stops falling (the first n with the least error,
// sweep_floor.h) as a dashed green line across the chart at that level and down to that n, with
// "neklesá od n = 14 (7.83 u)" beside it; and the current n as a solid red vertical line with a
// ring around its point. An error of half the word's span or more (2^(W-1) u in fixed point) can
// only come from a result that wrapped -- a cosine near 1 in a word that holds [-1, 1) -- and is
// drawn as it is, a red cross, with its meaning in a legend. The title "chyba v u, n krokov" and
// the notes go where no curve runs; the mouse over a point tells its n and error.
//
// While the window's settings are refused the chart is stale: a veil of paper over it greys it,
// and the mouse finds no point.
class TLabErrorChart : public TPaperPlot {
    Q_OBJECT

public:
    // The sweep drawn beside another, and the legend of each.
    struct TComparison {
        TLabSweep sweep;
        QString setupLegend; // "k párnemu, G = 4"
    };

    explicit TLabErrorChart(QWidget* parent = nullptr);

    // A new sweep, and the comparison's where there is one; the chart keeps its own copies.
    // Errors of `wrapped` u or more are results that wrapped (infinity: none can).
    void SetSweep(const TLabSweep& sweep, long double wrapped,
                  const std::optional<TComparison>& comparison = std::nullopt);
    // The n of the run the table shows.
    void SetCurrentSteps(std::int32_t steps);
    void SetStale(bool stale);

    bool HasSweep() const { return hasSweep_; }
    bool HasComparison() const { return content_.curves.size() > 1; }
    bool IsStale() const { return stale_; }
    std::int32_t FloorSteps() const { return floorSteps_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void Paint(QPainter& painter, const QRectF& area) const override;
    QString ToolTipAt(QPointF at) const override;

private:
    TLogChart chart_;
    TChartContent content_;
    bool hasSweep_ = false;
    bool stale_ = false;
    std::int32_t floorSteps_ = 1;
};
