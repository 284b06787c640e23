#include "convergence_chart.h"

#include "convergence_scale.h"
#include "plot_area.h"
#include "step_rows.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>

namespace {

constexpr auto At = &AtFraction;

constexpr QSize kDesignSize(360, 240);
constexpr QSize kMinimumSize(240, 150);

// The frame around the plot: room for the labels left and below.
constexpr int kOuterMargin = 4;
constexpr int kRightMargin = 10; // the result row's markers sit on the right edge
constexpr int kTickLength = 4;
constexpr int kLabelGap = 3; // between a tick and its label

constexpr int kLabelledDecades = 5; // a label and a darker grid line every 5 decades
constexpr int kStepTickSpacing = 10;

// One-pixel curves take the painter's fast path; the reference curve without markers is wider.
constexpr qreal kErrorPenWidth = 1.0;
constexpr qreal kReferencePenWidth = 2.0;
constexpr qreal kMarkerRadius = 2.5;
constexpr qreal kMarkerOutlineWidth = 1.0;

constexpr int kLegendInset = 6; // from the plot's top right corner
constexpr int kLegendPadding = 4;
constexpr int kLegendSampleLength = 24;
constexpr qreal kGridPenWidth = 1.0;

// The sizes above at the projector zoom: every length times the factor (1 to 3).
struct TChartSizes {
    explicit TChartSizes(qreal zoom)
        : outerMargin(kOuterMargin * zoom), rightMargin(kRightMargin * zoom),
          tickLength(kTickLength * zoom), labelGap(kLabelGap * zoom),
          markerRadius(kMarkerRadius * zoom), markerOutline(kMarkerOutlineWidth * zoom),
          legendInset(kLegendInset * zoom), legendPadding(kLegendPadding * zoom),
          legendSample(kLegendSampleLength * zoom), gridPen(kGridPenWidth * zoom), zoom(zoom) {}

    qreal outerMargin;
    qreal rightMargin;
    qreal tickLength;
    qreal labelGap;
    qreal markerRadius;
    qreal markerOutline;
    qreal legendInset;
    qreal legendPadding;
    qreal legendSample;
    qreal gridPen;
    qreal zoom; // for the curves' pens
};

constexpr QColor kGridColour(228, 228, 228);
constexpr QColor kLabelledGridColour(190, 190, 190);
constexpr QColor kAxisColour(0, 0, 0);

enum class TMarker { None, Circle, Square };

// One curve of the chart. Colours differ in lightness and the lines in pattern and markers, so
// the curves also part in greyscale: dark blue solid with circles, orange dashed with squares,
// grey dotted. The step angle comes last, on top: the errors follow it closely.
struct TSeries {
    long double TStepRow::*value;
    bool resultHasValue; // the result row has errors but no step angle
    const char* label;   // UTF-8
    QColor colour;
    Qt::PenStyle line;
    qreal penWidth;
    TMarker marker;
};

const std::array<TSeries, 3> kSeries{{
    {&TStepRow::errorX, true, "|x − cos θ|", QColor(0, 70, 170), Qt::SolidLine, kErrorPenWidth,
     TMarker::Circle},
    {&TStepRow::errorY, true, "|y − sin θ|", QColor(220, 100, 0), Qt::DashLine, kErrorPenWidth,
     TMarker::Square},
    {&TStepRow::atan, false, "atan 2^-i", QColor(70, 70, 70), Qt::DotLine, kReferencePenWidth,
     TMarker::None},
}};

// The shown step: a line across the plot at its index.
constexpr QColor kShownStepColour(200, 0, 0, 140);
constexpr qreal kShownStepPenWidth = 2.0;

// The legend's last line explains the hollow markers.
constexpr const char* kFloorLegend = "< 1e-20 (aj 0)";
constexpr QColor kFloorLegendColour(90, 90, 90);

QString DecadeLabel(int decade) {
    return decade == 0 ? QStringLiteral("1") : QStringLiteral("1e-%1").arg(decade);
}

// The plot's rectangle: room on the left for the widest decade label, below for the steps'.
QRectF PlotArea(const QRect& widget, const QFontMetrics& metrics, const TChartSizes& sizes) {
    const qreal left = sizes.outerMargin + metrics.horizontalAdvance(DecadeLabel(kErrorDecades)) +
                       sizes.labelGap + sizes.tickLength;
    const qreal top = sizes.outerMargin + metrics.height() / 2;
    const qreal bottom = sizes.outerMargin + metrics.height() + sizes.labelGap + sizes.tickLength;
    return QRectF(widget).adjusted(qRound(left), qRound(top), -qRound(sizes.rightMargin),
                                   -qRound(bottom));
}

// A filled marker is only filled (an outline would be a second, costlier pass for each of the
// hundred markers); a hollow one is an outline around `hollowFill`, of the same outer size.
void DrawMarker(QPainter& painter, QPointF centre, TMarker marker, const QColor& colour,
                bool hollow, const QColor& hollowFill, const TChartSizes& sizes) {
    qreal radius = sizes.markerRadius;
    if (hollow) {
        painter.setPen(QPen(colour, sizes.markerOutline));
        painter.setBrush(hollowFill);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        radius += sizes.markerOutline / 2;
    }
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    if (marker == TMarker::Circle) {
        painter.drawEllipse(box);
    } else if (marker == TMarker::Square) {
        painter.drawRect(box);
    }
}

// A line at every decade, darker at the labelled ones, and a line at every tenth step.
void DrawGrid(QPainter& painter, const QRectF& plot, const TChartSizes& sizes) {
    for (int decade = 1; decade < kErrorDecades; ++decade) {
        painter.setPen(QPen(decade % kLabelledDecades == 0 ? kLabelledGridColour : kGridColour,
                            sizes.gridPen));
        const qreal y = At(plot, 0, DecadeDown(decade)).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(QPen(kGridColour, sizes.gridPen));
    for (int i = kStepTickSpacing; i < kChartLastIndex; i += kStepTickSpacing) {
        const qreal x = At(plot, StepRight(i), 0).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

// The frame, the labelled decades on the left and the step ticks with "i" below.
void DrawAxes(QPainter& painter, const QRectF& plot, const QFontMetrics& metrics,
              const QColor& textColour, const TChartSizes& sizes) {
    const QPen axisPen(kAxisColour, sizes.gridPen);
    painter.setPen(axisPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    const qreal textHeight = metrics.height();
    for (int decade = 0; decade <= kErrorDecades; decade += kLabelledDecades) {
        const qreal y = At(plot, 0, DecadeDown(decade)).y();
        painter.setPen(axisPen);
        painter.drawLine(QPointF(plot.left() - sizes.tickLength, y), QPointF(plot.left(), y));
        painter.setPen(textColour);
        const QRectF box(0, y - textHeight / 2, plot.left() - sizes.tickLength - sizes.labelGap,
                         textHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, DecadeLabel(decade));
    }
    const qreal labelTop = plot.bottom() + sizes.tickLength + sizes.labelGap;
    const auto stepLabel = [&](qreal x, const QString& text) {
        const QRectF box(x - textHeight * 2, labelTop, textHeight * 4, textHeight);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
    };
    for (int i = 0; i < kChartLastIndex; i += kStepTickSpacing) {
        const qreal x = At(plot, StepRight(i), 0).x();
        painter.setPen(axisPen);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + sizes.tickLength));
        painter.setPen(textColour);
        stepLabel(x, QString::number(i));
    }
    stepLabel(plot.right(), QStringLiteral("i"));
}

// The curve through the rows' values, then its markers: hollow on the floor.
void DrawSeries(QPainter& painter, const QRectF& plot, const TStepRows& rows, const TSeries& series,
                const QColor& hollowFill, const TChartSizes& sizes) {
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(rows.Count()));
    for (const TStepRow& row : rows.Rows()) {
        if (row.isResult && !series.resultHasValue) {
            continue;
        }
        line.append(At(plot, StepRight(row.i), ErrorMark(row.*series.value).down));
    }
    painter.setPen(QPen(series.colour, series.penWidth * sizes.zoom, series.line, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    if (series.marker == TMarker::None) {
        return;
    }
    for (const TStepRow& row : rows.Rows()) {
        const TErrorMark mark = ErrorMark(row.*series.value);
        DrawMarker(painter, At(plot, StepRight(row.i), mark.down), series.marker, series.colour,
                   mark.belowFloor, hollowFill, sizes);
    }
}

// A line down the plot at the shown row's step index, behind the curves.
void DrawShownStep(QPainter& painter, const QRectF& plot, const TStepRow& row, qreal zoom) {
    const qreal x = At(plot, StepRight(row.i), 0).x();
    painter.setPen(QPen(kShownStepColour, kShownStepPenWidth * zoom, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
}

// A box in the plot's top right corner, which no run's values reach at the design size: a line
// sample and a marker per curve, and the hollow marker's meaning.
void DrawLegend(QPainter& painter, const QRectF& plot, const QFontMetrics& metrics,
                const QPalette& palette, const TChartSizes& sizes) {
    const int rowHeight = metrics.height();
    int textWidth = metrics.horizontalAdvance(QString::fromUtf8(kFloorLegend));
    for (const TSeries& series : kSeries) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(QString::fromUtf8(series.label)));
    }
    const int lines = static_cast<int>(kSeries.size()) + 1;
    const QSizeF size(2 * sizes.legendPadding + sizes.legendSample + sizes.labelGap + textWidth,
                      2 * sizes.legendPadding + lines * rowHeight);
    const QRectF box(plot.right() - sizes.legendInset - size.width(),
                     plot.top() + sizes.legendInset, size.width(), size.height());
    painter.setPen(QPen(kLabelledGridColour, sizes.gridPen));
    painter.setBrush(palette.base());
    painter.drawRect(box);

    const qreal sampleLeft = box.left() + sizes.legendPadding;
    const qreal textLeft = sampleLeft + sizes.legendSample + sizes.labelGap;
    const auto lineMiddle = [&](int line) {
        return box.top() + sizes.legendPadding + (line + 0.5) * rowHeight;
    };
    const auto label = [&](int line, const char* text) {
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(QRectF(textLeft, lineMiddle(line) - rowHeight / 2.0, textWidth, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(text));
    };
    int line = 0;
    for (const TSeries& series : kSeries) {
        const qreal y = lineMiddle(line);
        painter.setPen(QPen(series.colour, series.penWidth * sizes.zoom, series.line, Qt::FlatCap));
        painter.drawLine(QPointF(sampleLeft, y), QPointF(sampleLeft + sizes.legendSample, y));
        DrawMarker(painter, QPointF(sampleLeft + sizes.legendSample / 2, y), series.marker,
                   series.colour, false, palette.color(QPalette::Base), sizes);
        label(line, series.label);
        ++line;
    }
    DrawMarker(painter, QPointF(sampleLeft + sizes.legendSample / 2, lineMiddle(line)),
               TMarker::Circle, kFloorLegendColour, true, palette.color(QPalette::Base), sizes);
    label(line, kFloorLegend);
}

} // namespace

TConvergenceChart::TConvergenceChart(QWidget* parent) : TStepPlot(parent) {
    setAccessibleName(QStringLiteral("Konvergencia chyby"));
    setAccessibleDescription(QStringLiteral(
        "Chyby |x − cos θ| a |y − sin θ| v každom kroku i na logaritmickej osi od 1 po 1e-20, "
        "s uhlom kroku atan 2^-i pre porovnanie"));
}

QSize TConvergenceChart::sizeHint() const {
    return ZoomedSize(kDesignSize);
}

QSize TConvergenceChart::minimumSizeHint() const {
    return ZoomedSize(kMinimumSize);
}

void TConvergenceChart::Paint(QPainter& painter) const {
    const QFontMetrics metrics = painter.fontMetrics();
    const QPalette& colours = palette();
    const TChartSizes sizes(Zoom());
    const QRectF plot = PlotArea(rect(), metrics, sizes);

    // Grid and axes are crisp lines of whole pixels (and cheap to draw so); the curves are
    // smoothed.
    DrawPlotBackground(painter, rect(), plot, colours);
    DrawGrid(painter, plot, sizes);
    DrawAxes(painter, plot, metrics, colours.color(QPalette::WindowText), sizes);
    painter.setRenderHint(QPainter::Antialiasing);
    if (Rows() != nullptr) {
        painter.save();
        const qreal overhang = sizes.markerRadius + sizes.markerOutline;
        painter.setClipRect(plot.adjusted(-overhang, -overhang, overhang, overhang));
        if (ShownRow() >= 0) {
            DrawShownStep(painter, plot, Rows()->Row(static_cast<std::size_t>(ShownRow())), Zoom());
        }
        for (const TSeries& series : kSeries) {
            DrawSeries(painter, plot, *Rows(), series, colours.color(QPalette::Base), sizes);
        }
        painter.restore();
    }
    DrawLegend(painter, plot, metrics, colours, sizes);
}
