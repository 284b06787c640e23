#include "vector_plot.h"

#include "colours.h"
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

// Sizes in design pixels (paper_plot.h).
constexpr qreal kMargin = 6.0;
constexpr qreal kAxisPenWidth = 1.0;
constexpr qreal kCirclePenWidth = 1.5;
constexpr qreal kTargetPenWidth = 2.0;
constexpr qreal kEarlierPenWidth = 1.5;
constexpr qreal kVectorPenWidth = 3.0;
constexpr qreal kTurnPenWidth = 2.5;
constexpr qreal kTipRadius = 4.5;
constexpr qreal kArrowLength = 10.0;
// The least length of a turn's arc, its head included: three heads, so the arc shows beside it.
constexpr qreal kLeastTurnLength = 3 * kArrowLength;
constexpr qreal kArrowHalfWidth = 5.0;
constexpr qreal kLabelGap = 4.0;
constexpr qreal kCaptionPadding = 4.0;

// The turn's arc lies at this fraction of the shown vector's length, inside the vector.
constexpr long double kTurnRadiusShare = 0.55L;
constexpr int kTurnSamples = 64;
// The unit circle's right half, from -pi/2 to pi/2 and this far beyond, in radians.
constexpr double kCircleOvershoot = 0.2;

// The region's least height at 100 %; at a zoom it grows as the zoom does, but no more than to
// this many times: on a projector the circle then keeps its size where the texts grow beyond.
constexpr qreal kLeastRegionHeight = 206;
constexpr qreal kLeastRegionGrowth = 1.7;
constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// The largest rectangle of the region's shape centred in `room`, less the margin at its sides and
// bottom (the caption above has its own).
QRectF RegionRect(const QRectF& room, qreal margin) {
    const QRectF inner = room.adjusted(margin, 0, -margin, -margin);
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

void DrawAxes(QPainter& painter, const QRectF& region) {
    painter.setPen(QPen(kAxisColour, kAxisPenWidth));
    painter.drawLine(Pixel(region, RegionPoint(kRegionLeft, 0.0L)),
                     Pixel(region, RegionPoint(kRegionRight, 0.0L)));
    painter.drawLine(Pixel(region, RegionPoint(0.0L, kRegionBottom)),
                     Pixel(region, RegionPoint(0.0L, kRegionTop)));
}

// The arc of the unit circle from -pi/2 - overshoot to pi/2 + overshoot.
void DrawCircle(QPainter& painter, const QRectF& region) {
    const QPointF corner = Pixel(region, RegionPoint(-1.0L, 1.0L));
    const QRectF bounds(corner, Pixel(region, RegionPoint(1.0L, -1.0L)));
    constexpr int kSixteenthsOfDegree = 16;
    const double half = (std::numbers::pi / 2 + kCircleOvershoot) * 180 / std::numbers::pi;
    painter.setPen(QPen(kCircleColour, kCirclePenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(bounds, qRound(-half * kSixteenthsOfDegree),
                    qRound(2 * half * kSixteenthsOfDegree));
}

void DrawTarget(QPainter& painter, const QRectF& region, long double theta) {
    const QPointF end = Pixel(region, RegionPointAt(theta, 1.0L));
    painter.setPen(QPen(kTargetColour, kTargetPenWidth));
    painter.drawLine(Origin(region), end);
    painter.drawText(end + QPointF(kLabelGap, -kLabelGap), QStringLiteral("θ"));
}

void DrawEarlierVectors(QPainter& painter, const QRectF& region, const TStepRows& rows,
                        std::size_t shown) {
    QVector<QLineF> lines;
    lines.reserve(static_cast<qsizetype>(shown));
    for (std::size_t index = 0; index < shown; ++index) {
        const TStepRow& row = rows.Row(index);
        lines.append(QLineF(Origin(region), Pixel(region, RegionPoint(row.x, row.y))));
    }
    painter.setPen(QPen(kPassedColour, kEarlierPenWidth));
    painter.drawLines(lines); // one pass for all of them
}

void DrawVector(QPainter& painter, const QRectF& region, const TStepRow& row) {
    const QPointF tip = Pixel(region, RegionPoint(row.x, row.y));
    painter.setPen(QPen(kVectorColour, kVectorPenWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(Origin(region), tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kVectorColour);
    painter.drawEllipse(tip, kTipRadius, kTipRadius);
}

// The arc from the vector's direction to the next one's, with an arrow head at its end that
// points along the turn; a turn too small to show its way is drawn longer (TurnMarkSweep).
void DrawTurn(QPainter& painter, const QRectF& region, const TStepRow& row, const TStepTurn& turn) {
    const long double radius = kTurnRadiusShare * hypotl(row.x, row.y);
    const double pixelsPerUnit = region.width() / static_cast<double>(kRegionRight - kRegionLeft);
    const long double sweep =
        TurnMarkSweep(turn.angle, static_cast<double>(radius) * pixelsPerUnit, kLeastTurnLength);
    const long double to = turn.from + static_cast<long double>(turn.sign) * sweep;
    QPolygonF arc;
    arc.reserve(kTurnSamples + 1);
    for (int k = 0; k <= kTurnSamples; ++k) {
        const long double angle = turn.from + (to - turn.from) * k / kTurnSamples;
        arc.append(Pixel(region, RegionPointAt(angle, radius)));
    }
    painter.setPen(QPen(kTurnColour, kTurnPenWidth, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(arc);

    // The head's axis is the tangent at the end, in screen orientation (y down).
    const qreal along = static_cast<qreal>(to) + turn.sign * M_PI / 2;
    const QPointF direction(std::cos(along), -std::sin(along));
    const QPointF across(-direction.y(), direction.x());
    const QPointF end = arc.back();
    const QPointF back = end - direction * kArrowLength;
    const QPolygonF head{end, back + across * kArrowHalfWidth, back - across * kArrowHalfWidth};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTurnColour);
    painter.drawPolygon(head);
}

// The caption's box in the area's top left corner: as wide as its text, wrapped between words
// where the area is narrower; one line high without a caption.
QRectF CaptionBox(const QFontMetricsF& metrics, const QRectF& area, const QString& caption) {
    const qreal width = std::max(0.0, area.width() - 3 * kCaptionPadding);
    const QRectF text = metrics.boundingRect(QRectF(0, 0, width, 1e6), kCaptionFlags, caption);
    return {area.left() + kCaptionPadding, area.top() + kCaptionPadding,
            std::min(text.width(), width) + 2 * kCaptionPadding,
            std::max(text.height(), metrics.height()) + 2 * kCaptionPadding};
}

// Above and below the region: the caption of one line with its padding, and the margin.
qreal CaptionAndMargins(const QFontMetricsF& metrics) {
    return metrics.height() + 3 * kCaptionPadding + kMargin;
}

// The longest caption of a run, whose one line the plot takes when it has the room.
constexpr auto kLongestCaption = "krok 53: \u2212atan 2^-53 = \u22121.11022e-16 rad";

// The caption on paper, over whatever of the circle it meets.
void DrawCaption(QPainter& painter, const QRectF& box, const QString& caption) {
    painter.fillRect(box, kPaper);
    painter.setPen(kInk);
    painter.drawText(box.adjusted(kCaptionPadding, kCaptionPadding, -kCaptionPadding, 0),
                     kCaptionFlags, caption);
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
    return ZoomedSize(kDesignSize);
}

QSize TVectorPlot::minimumSizeHint() const {
    const qreal region = kLeastRegionHeight * std::min(Zoom(), kLeastRegionGrowth);
    return {ZoomedSize(kMinimumSize).width(),
            qRound(CaptionAndMargins(QFontMetricsF(font())) * Zoom() + region)};
}

int TVectorPlot::FixedWidth() const {
    return qRound(2 * kMargin * Zoom());
}

int TVectorPlot::CaptionWidth() const {
    const QFontMetricsF metrics(font());
    return qRound((metrics.horizontalAdvance(QString::fromUtf8(kLongestCaption)) +
                   3 * kCaptionPadding) *
                  Zoom()) +
           1;
}

int TVectorPlot::FixedHeight() const {
    return qRound(CaptionAndMargins(QFontMetricsF(font())) * Zoom());
}

void TVectorPlot::Paint(QPainter& painter, const QRectF& area) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const TStepRows* rows = Rows();
    const int shown = ShownRow();
    const bool hidden = shown >= 0 && directionHidden_ && directionHidden_(shown);
    const QString caption = shown >= 0 ? QString::fromStdString(TurnCaption(
                                             rows->Row(static_cast<std::size_t>(shown)), hidden))
                                       : QString();
    const QRectF captionBox = CaptionBox(QFontMetricsF(painter.font()), area, caption);
    const QRectF region =
        RegionRect(area.adjusted(0, captionBox.bottom() - area.top(), 0, 0), kMargin);
    DrawAxes(painter, region);
    DrawCircle(painter, region);
    if (shown < 0) {
        return;
    }
    const TStepRow& row = rows->Row(static_cast<std::size_t>(shown));
    DrawTarget(painter, region, rows->Theta());
    DrawEarlierVectors(painter, region, *rows, static_cast<std::size_t>(shown));
    DrawVector(painter, region, row);
    if (const auto turn = StepTurn(row); turn && !hidden) {
        DrawTurn(painter, region, row, *turn);
    }
    DrawCaption(painter, captionBox, caption);
}
