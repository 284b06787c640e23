#include "vector_plot.h"

#include "plot_area.h"
#include "step_rows.h"
#include "vector_geometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace {

constexpr QSize kDesignSize(300, 460);
constexpr QSize kMinimumSize(160, 240);

// Sizes at a zoom of 1; every one is multiplied by the zoom.
constexpr qreal kMargin = 6.0;
constexpr qreal kAxisPenWidth = 1.0;
constexpr qreal kCirclePenWidth = 1.5;
constexpr qreal kTargetPenWidth = 2.0;
constexpr qreal kEarlierPenWidth = 1.5;
constexpr qreal kVectorPenWidth = 3.0;
constexpr qreal kTurnPenWidth = 2.5;
constexpr qreal kTipRadius = 4.5;
constexpr qreal kArrowLength = 10.0;
constexpr qreal kArrowHalfWidth = 5.0;
constexpr qreal kLabelGap = 4.0;
constexpr qreal kCaptionPadding = 4.0;

// The turn's arc lies at this fraction of the shown vector's length, inside the vector.
constexpr long double kTurnRadiusShare = 0.55L;
constexpr int kTurnSamples = 64;
// The unit circle's right half, from -pi/2 to pi/2 and this far beyond, in radians.
constexpr double kCircleOvershoot = 0.2;

// The main window plot's colours, with a lighter red for the vectors already passed.
constexpr QColor kAxisColour(150, 150, 150);
constexpr QColor kCircleColour(0, 0, 0);
constexpr QColor kTargetColour(0, 128, 0);
constexpr QColor kVectorColour(255, 0, 0);
constexpr QColor kEarlierColour(255, 170, 170);
constexpr QColor kTurnColour(0, 70, 200);

// The largest rectangle of the region's shape centred in `room`, less the margin.
QRectF RegionRect(const QRectF& room, qreal margin) {
    const QRectF inner = room.adjusted(margin, margin, -margin, -margin);
    const qreal aspect = RegionAspect();
    const qreal width = std::max(0.0, std::min(inner.width(), inner.height() * aspect));
    const qreal height = width / aspect;
    return {inner.center().x() - width / 2, inner.center().y() - height / 2, width, height};
}

QPointF Pixel(const QRectF& region, TViewPoint point) {
    return AtFraction(region, point.right, point.down);
}

QPointF Origin(const QRectF& region) {
    return Pixel(region, RegionPoint(0.0L, 0.0L));
}

void DrawAxes(QPainter& painter, const QRectF& region, qreal zoom) {
    painter.setPen(QPen(kAxisColour, kAxisPenWidth * zoom));
    painter.drawLine(Pixel(region, RegionPoint(kRegionLeft, 0.0L)),
                     Pixel(region, RegionPoint(kRegionRight, 0.0L)));
    painter.drawLine(Pixel(region, RegionPoint(0.0L, kRegionBottom)),
                     Pixel(region, RegionPoint(0.0L, kRegionTop)));
}

// The arc of the unit circle from -pi/2 - overshoot to pi/2 + overshoot.
void DrawCircle(QPainter& painter, const QRectF& region, qreal zoom) {
    const QPointF corner = Pixel(region, RegionPoint(-1.0L, 1.0L));
    const QRectF bounds(corner, Pixel(region, RegionPoint(1.0L, -1.0L)));
    constexpr int kSixteenthsOfDegree = 16;
    const double half = (std::numbers::pi / 2 + kCircleOvershoot) * 180 / std::numbers::pi;
    painter.setPen(QPen(kCircleColour, kCirclePenWidth * zoom));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(bounds, qRound(-half * kSixteenthsOfDegree),
                    qRound(2 * half * kSixteenthsOfDegree));
}

void DrawTarget(QPainter& painter, const QRectF& region, long double theta, qreal zoom) {
    const QPointF end = Pixel(region, RegionPointAt(theta, 1.0L));
    painter.setPen(QPen(kTargetColour, kTargetPenWidth * zoom));
    painter.drawLine(Origin(region), end);
    painter.drawText(end + QPointF(kLabelGap * zoom, -kLabelGap * zoom), QStringLiteral("θ"));
}

void DrawEarlierVectors(QPainter& painter, const QRectF& region, const TStepRows& rows,
                        std::size_t shown, qreal zoom) {
    QVector<QLineF> lines;
    lines.reserve(static_cast<qsizetype>(shown));
    for (std::size_t index = 0; index < shown; ++index) {
        const TStepRow& row = rows.Row(index);
        lines.append(QLineF(Origin(region), Pixel(region, RegionPoint(row.x, row.y))));
    }
    painter.setPen(QPen(kEarlierColour, kEarlierPenWidth * zoom));
    painter.drawLines(lines); // one pass for all of them
}

void DrawVector(QPainter& painter, const QRectF& region, const TStepRow& row, qreal zoom) {
    const QPointF tip = Pixel(region, RegionPoint(row.x, row.y));
    painter.setPen(QPen(kVectorColour, kVectorPenWidth * zoom, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(Origin(region), tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kVectorColour);
    painter.drawEllipse(tip, kTipRadius * zoom, kTipRadius * zoom);
}

// The arc from the vector's direction to the next one's, with an arrow head at its end that
// points along the turn.
void DrawTurn(QPainter& painter, const QRectF& region, const TStepRow& row, const TStepTurn& turn,
              qreal zoom) {
    const long double radius = kTurnRadiusShare * hypotl(row.x, row.y);
    QPolygonF arc;
    arc.reserve(kTurnSamples + 1);
    for (int k = 0; k <= kTurnSamples; ++k) {
        const long double angle = turn.from + (turn.to - turn.from) * k / kTurnSamples;
        arc.append(Pixel(region, RegionPointAt(angle, radius)));
    }
    painter.setPen(QPen(kTurnColour, kTurnPenWidth * zoom, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(arc);

    // The head's axis is the tangent at the end, in screen orientation (y down).
    const qreal along = static_cast<qreal>(turn.to) + turn.sign * M_PI / 2;
    const QPointF direction(std::cos(along), -std::sin(along));
    const QPointF across(-direction.y(), direction.x());
    const QPointF end = arc.back();
    const QPointF back = end - direction * (kArrowLength * zoom);
    const QPolygonF head{end, back + across * (kArrowHalfWidth * zoom),
                         back - across * (kArrowHalfWidth * zoom)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTurnColour);
    painter.drawPolygon(head);
}

// The height of the caption's line above the region.
qreal CaptionHeight(const QPainter& painter, qreal zoom) {
    return QFontMetricsF(painter.font()).height() + 2 * kCaptionPadding * zoom;
}

// The caption in the widget's top left corner, on the base colour; shortened with an ellipsis
// where the widget is narrower.
void DrawCaption(QPainter& painter, const QRect& widget, const QString& caption, qreal zoom,
                 const QPalette& palette) {
    const QFontMetricsF metrics(painter.font());
    const qreal padding = kCaptionPadding * zoom;
    const QString text = metrics.elidedText(caption, Qt::ElideRight, widget.width() - 4 * padding);
    const QRectF box(widget.left() + padding, widget.top() + padding,
                     metrics.horizontalAdvance(text) + 2 * padding, metrics.height() + 2 * padding);
    painter.fillRect(box, palette.base());
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace

TVectorPlot::TVectorPlot(QWidget* parent) : TStepPlot(parent) {
    setAccessibleName(QStringLiteral("Vektor kroku"));
    setAccessibleDescription(
        QStringLiteral("Jednotková kružnica s cieľovým uhlom θ, vektor zobrazeného kroku, vektory "
                       "predchádzajúcich krokov a otočenie kroku o atan 2^-i so smerom"));
}

void TVectorPlot::SetDirectionHidden(std::function<bool(int)> hidden) {
    directionHidden_ = std::move(hidden);
    update();
}

QSize TVectorPlot::sizeHint() const {
    return kDesignSize;
}

QSize TVectorPlot::minimumSizeHint() const {
    return kMinimumSize;
}

void TVectorPlot::Paint(QPainter& painter) const {
    const qreal zoom = Zoom();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF region =
        RegionRect(QRectF(rect()).adjusted(0, CaptionHeight(painter, zoom), 0, 0), kMargin * zoom);
    DrawPlotBackground(painter, rect(), QRectF(rect()), palette());
    DrawAxes(painter, region, zoom);
    DrawCircle(painter, region, zoom);
    const TStepRows* rows = Rows();
    if (rows == nullptr || rows->Count() == 0) {
        return;
    }
    const int shown = ShownRow();
    const TStepRow& row = rows->Row(static_cast<std::size_t>(shown));
    const bool hidden = directionHidden_ && directionHidden_(shown);

    DrawTarget(painter, region, rows->Theta(), zoom);
    DrawEarlierVectors(painter, region, *rows, static_cast<std::size_t>(shown), zoom);
    DrawVector(painter, region, row, zoom);
    if (const auto turn = StepTurn(row); turn && !hidden) {
        DrawTurn(painter, region, row, *turn, zoom);
    }
    DrawCaption(painter, rect(), QString::fromStdString(TurnCaption(row, hidden)), zoom, palette());
}
