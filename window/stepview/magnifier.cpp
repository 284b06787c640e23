#include "magnifier.h"

#include "colours.h"
#include "magnifier_geometry.h"
#include "plot_area.h"
#include "step_rows.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cstddef>

namespace {

constexpr QSize kDesignSize(240, 240);
// The least room: the view square holds its width label whole.
constexpr QSize kMinimumSize(150, 150);

// Sizes in design pixels (paper_plot.h). Around the view square: room for the tip dot when the
// tip lies on the square's edge.
constexpr qreal kMargin = 5;
constexpr qreal kTipRadius = 3.5;
constexpr qreal kEarlierTipRadius = 3.0;
constexpr qreal kLinePenWidth = 1.5;
constexpr qreal kLabelPadding = 3;
constexpr qreal kFramePenWidth = 1.0;

// The largest square centred in the area, less the margin.
QRectF ViewSquare(const QRectF& area) {
    const qreal side = std::max(0.0, std::min(area.width(), area.height()) - 2 * kMargin);
    return {area.center().x() - side / 2, area.center().y() - side / 2, side, side};
}

QPointF Pixel(const QRectF& square, TViewPoint point) {
    return AtFraction(square, point.right, point.down);
}

void DrawDot(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

// The arc and the ray are cut to the square by their geometry (ClipToView), which holds in a
// saved SVG too, where a clip rectangle does not.
void DrawArc(QPainter& painter, const QRectF& square, const TMagnifierView& view) {
    painter.setPen(QPen(kCircleColour, kLinePenWidth));
    painter.setBrush(Qt::NoBrush);
    const std::array<TViewPoint, kArcSamples> samples = ArcSamples(view);
    for (const std::vector<TViewPoint>& part : ClipToView(samples)) {
        QPolygonF arc;
        arc.reserve(static_cast<qsizetype>(part.size()));
        for (const TViewPoint& point : part) {
            arc.append(Pixel(square, point));
        }
        painter.drawPolyline(arc);
    }
}

void DrawTargetRay(QPainter& painter, const QRectF& square, const TMagnifierView& view) {
    if (const auto ray = ClipToView(TargetRay(view))) {
        painter.setPen(QPen(kTargetColour, kLinePenWidth));
        painter.drawLine(Pixel(square, ray->from), Pixel(square, ray->to));
    }
}

// The tips of the rows before the shown one that fall inside the view.
void DrawEarlierTips(QPainter& painter, const QRectF& square, const TMagnifierView& view,
                     const TStepRows& rows, std::size_t shown) {
    for (std::size_t index = 0; index < shown; ++index) {
        const TStepRow& row = rows.Row(index);
        const TViewPoint tip = ToView(view, row.x, row.y);
        if (InView(tip)) {
            DrawDot(painter, Pixel(square, tip), kEarlierTipRadius, kPassedColour);
        }
    }
}

// A line along the square's outermost pixels, one pixel wide at 100 %.
void DrawFrame(QPainter& painter, const QRectF& square) {
    constexpr qreal kInside = kFramePenWidth / 2;
    painter.setPen(QPen(kFrameColour, kFramePenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square.adjusted(kInside, kInside, -kInside, -kInside));
}

// The view's width in the square's bottom left corner, on paper.
void DrawScaleLabel(QPainter& painter, const QRectF& square, long double width) {
    const QFontMetricsF metrics(painter.font());
    const QString text = QString::fromStdString(ScaleLabel(width));
    const QSizeF size(metrics.horizontalAdvance(text) + 2 * kLabelPadding,
                      metrics.height() + 2 * kLabelPadding);
    const QRectF box(square.left() + kFramePenWidth,
                     square.bottom() - kFramePenWidth - size.height(), size.width(), size.height());
    painter.fillRect(box, kPaper);
    painter.setPen(kInk);
    painter.drawText(box, Qt::AlignCenter, text);
}

// Drawn whole even on the square's edge, where the tightest steps can put it.
void DrawTip(QPainter& painter, const QRectF& square, const TMagnifierView& view,
             const TStepRow& row) {
    const TViewPoint tip = ToView(view, row.x, row.y);
    if (InView(tip)) {
        DrawDot(painter, Pixel(square, tip), kTipRadius, kVectorColour);
    }
}

} // namespace

TMagnifier::TMagnifier(QWidget* parent) : TStepPlot(parent) {
    setAccessibleName(QStringLiteral("Lupa okolo cieľa"));
    setAccessibleDescription(QStringLiteral(
        "Okolie bodu (cos θ, sin θ) so šírkou 4·atan 2^-i: cieľový lúč, jednotková kružnica, "
        "hrot vektora v zobrazenom kroku a hroty predchádzajúcich krokov"));
}

QSize TMagnifier::sizeHint() const {
    return ZoomedSize(kDesignSize);
}

QSize TMagnifier::minimumSizeHint() const {
    return ZoomedSize(kMinimumSize);
}

void TMagnifier::Paint(QPainter& painter, const QRectF& area) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square = ViewSquare(area);
    const TStepRows* rows = Rows();
    if (rows == nullptr || rows->Count() == 0) {
        DrawFrame(painter, square);
        return;
    }
    const auto shown = static_cast<std::size_t>(ShownRow());
    const TStepRow& row = rows->Row(shown);
    const TMagnifierView view = ViewOfRow(*rows, row);

    DrawArc(painter, square, view);
    DrawTargetRay(painter, square, view);
    DrawEarlierTips(painter, square, view, *rows, shown);
    DrawFrame(painter, square);
    DrawScaleLabel(painter, square, view.width);
    DrawTip(painter, square, view, row);
}
