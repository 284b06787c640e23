#pragma once

#include "chart_layout.h"
#include "convergence_scale.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class QFont;
class QPainter;

// A chart of errors against an index on a logarithmic axis, the one chart of the windows: the
// step view's convergence chart (errors against the step i) and the laboratory's (the largest
// error against the number of steps n). Painted in design pixels on paper (paper_plot.h).
//
// Axes. The vertical axis is a TLogScale (convergence_scale.h): a grid line at every decade, a
// darker one and a label at each labelled decade -- every decade up to ten decades, every fifth
// above -- written "1e-5", "1", "1e19"; the frame around the plot. The horizontal axis has a tick,
// a grid line and a label at each of the ticks given, and the index's name ("i") at its right end
// where one is given.
//
// Curves. Each curve is a line through its points and, unless it has none, a marker at each: a
// filled one, hollow where the value lies below the axis's floor (exactly zero included); a
// flagged point (a result that wrapped in its word) is a cross in the flag's colour. A value
// above the top is held at the top.
//
// Curves are drawn in their order, the last on top: a comparison curve goes first.
//
// Marks. A vertical line at one index (the shown step, the current n), behind the curves or on
// top with a ring around one curve's point; a level (where the error stops falling): a
// dashed line across the plot at the value and down to its index, with a note beside it.
//
// Labels. A title stands above the plot. The legend (a line sample, marker and text per curve
// with a text, and the hollow marker's meaning; where a point is flagged, the cross's meaning,
// with or without a legend) goes into a corner and the level's note above or below its line --
// each where no curve runs (chart_layout.h), the legend first.
//
// Hover. PointAt tells the point under the mouse.

enum class TChartMarker { None, Circle, Square };

struct TChartPoint {
    std::int32_t index = 0;
    long double value = 0.0L; // >= 0, NaN on the floor
    bool flagged = false;     // a result that wrapped: drawn as a cross
};

struct TChartCurve {
    QString legend; // the legend's text; empty leaves the curve out of the legend
    QColor colour;
    Qt::PenStyle line = Qt::SolidLine;
    qreal penWidth = 1.0;
    TChartMarker marker = TChartMarker::Circle;
    std::vector<TChartPoint> points;
};

struct TChartMark {
    std::int32_t index = 0;
    QColor colour;
    qreal penWidth = 1.5;
    bool onTop = false;        // on top of the curves with a ring on a curve's point there
    std::size_t ringCurve = 0; // the curve whose point the ring goes around
};

struct TChartLevel {
    std::int32_t index = 0;
    long double value = 0.0L;
    QColor colour;
    QString note;
};

// What a chart shows at one time.
struct TChartContent {
    TLogScale scale{};
    std::vector<TChartCurve> curves;
    std::optional<TChartMark> mark;
    std::optional<TChartLevel> level;
    QString flagNote; // the legend line of the flagged crosses; shown only where a point is flagged
    QColor flagColour;
};

class TLogChart {
public:
    // The labelled ticks of the index axis and the index's name at its right end (empty: none).
    void SetIndexAxis(std::vector<std::int32_t> ticks, QString name);
    // A legend, closed by the hollow marker's meaning `hollowNote` (empty: no such line).
    void SetLegend(QString hollowNote);
    // A title above the plot: what the axes count.
    void SetTitle(QString title);

    // Paints `content` in `area` with the painter's font.
    void Paint(QPainter& painter, const QRectF& area, const TChartContent& content) const;
    // The curve and point of `content` under `at`, in `area` painted with `font`; none where no
    // point is within reach.
    std::optional<TChartHit> PointAt(QPointF at, const QRectF& area, const QFont& font,
                                     const TChartContent& content) const;

private:
    struct TLegendLine {
        QString text;
        QColor colour;
        Qt::PenStyle line;
        qreal penWidth;
        TChartMarker marker;
        bool hollow;
        bool cross;
    };
    std::vector<TLegendLine> LegendLines(const TChartContent& content) const;

    std::vector<std::int32_t> ticks_;
    QString indexName_;
    bool legend_ = false;
    QString hollowNote_;
    QString title_;
};
