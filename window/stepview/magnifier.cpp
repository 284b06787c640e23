#include "magnifier.h"

#include "magnifier_geometry.h"
#include "plot_area.h"
#include "step_rows.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cstddef>

namespace {

constexpr QSize kDesignSize(240, 240);
constexpr QSize kMinimumSize(120, 120);

// Around the view square: room for the tip dot when the tip lies on the square's edge. All the
// sizes are at 100 % and grow with the projector zoom.
constexpr int kMargin = 5;
constexpr qreal kTipRadius = 3.5;
constexpr qreal kEarlierTipRadius = 3.0;
constexpr qreal kLinePenWidth = 1.5;
constexpr int kLabelPadding = 3;
constexpr qreal kFramePenWidth = 1.0;

// The main window plot's colours, with a lighter red for the tips already passed.
constexpr QColor kRayColour(0, 128, 0);
constexpr QColor kArcColour(0, 0, 0);
constexpr QColor kTipColour(255, 0, 0);
constexpr QColor kEarlierTipColour(255, 150, 150);
constexpr QColor kFrameColour(120, 120, 120);

// The largest square centred in the widget, less the margin at `zoom`, on whole pixels.
QRectF ViewSquare(const QRect& widget, qreal zoom) {
    const int margin = qRound(kMargin * zoom);
    const int side = std::max(0, std::min(widget.width(), widget.height()) - 2 * margin);
    return QRect(widget.left() + (widget.width() - side) / 2,
                 widget.top() + (widget.height() - side) / 2, side, side);
}

QPointF Pixel(const QRectF& square, TViewPoint point) {
    return AtFraction(square, point.right, point.down);
}

void DrawDot(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

void DrawArc(QPainter& painter, const QRectF& square, const TMagnifierView& view, qreal zoom) {
    QPolygonF arc;
    arc.reserve(kArcSamples);
    for (const TViewPoint& sample : ArcSamples(view)) {
        arc.append(Pixel(square, sample));
    }
    painter.setPen(QPen(kArcColour, kLinePenWidth * zoom));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(arc);
}

void DrawTargetRay(QPainter& painter, const QRectF& square, const TMagnifierView& view,
                   qreal zoom) {
    const TViewSegment ray = TargetRay(view);
    painter.setPen(QPen(kRayColour, kLinePenWidth * zoom));
    painter.drawLine(Pixel(square, ray.from), Pixel(square, ray.to));
}

// The tips of the rows before the shown one that fall inside the view.
void DrawEarlierTips(QPainter& painter, const QRectF& square, const TMagnifierView& view,
                     const TStepRows& rows, std::size_t shown, qreal zoom) {
    for (std::size_t index = 0; index < shown; ++index) {
        const TStepRow& row = rows.Row(index);
        const TViewPoint tip = ToView(view, row.x, row.y);
        if (InView(tip)) {
            DrawDot(painter, Pixel(square, tip), kEarlierTipRadius * zoom, kEarlierTipColour);
        }
    }
}

// A line along the square's outermost pixels, one pixel wide at 100 %.
void DrawFrame(QPainter& painter, const QRectF& square, qreal zoom) {
    const qreal width = kFramePenWidth * zoom;
    painter.setPen(QPen(kFrameColour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square.adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

// The view's width in the square's bottom left corner, on the background colour.
void DrawScaleLabel(QPainter& painter, const QRectF& square, long double width,
                    const QFontMetrics& metrics, const QPalette& palette, qreal zoom) {
    const QString text = QString::fromStdString(ScaleLabel(width));
    const qreal padding = kLabelPadding * zoom;
    const qreal frame = kFramePenWidth * zoom;
    const QSizeF size(metrics.horizontalAdvance(text) + 2 * padding,
                      metrics.height() + 2 * padding);
    const QRectF box(square.left() + frame, square.bottom() - frame - size.height(), size.width(),
                     size.height());
    painter.fillRect(box, palette.base());
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(box, Qt::AlignCenter, text);
}

// Drawn whole even on the square's edge, where the tightest steps can put it.
void DrawTip(QPainter& painter, const QRectF& square, const TMagnifierView& view,
             const TStepRow& row, qreal zoom) {
    const TViewPoint tip = ToView(view, row.x, row.y);
    if (InView(tip)) {
        DrawDot(painter, Pixel(square, tip), kTipRadius * zoom, kTipColour);
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
    return kDesignSize;
}

QSize TMagnifier::minimumSizeHint() const {
    return kMinimumSize;
}

void TMagnifier::Paint(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal zoom = Zoom();
    const QRectF square = ViewSquare(rect(), zoom);
    DrawPlotBackground(painter, rect(), square, palette());
    const TStepRows* rows = Rows();
    if (rows == nullptr || rows->Count() == 0) {
        DrawFrame(painter, square, zoom);
        return;
    }
    const auto shown = static_cast<std::size_t>(ShownRow());
    const TStepRow& row = rows->Row(shown);
    const TMagnifierView view = ViewOfRow(*rows, row);

    painter.save();
    painter.setClipRect(square);
    DrawArc(painter, square, view, zoom);
    DrawTargetRay(painter, square, view, zoom);
    DrawEarlierTips(painter, square, view, *rows, shown, zoom);
    painter.restore();
    DrawFrame(painter, square, zoom);
    DrawScaleLabel(painter, square, view.width, painter.fontMetrics(), palette(), zoom);
    DrawTip(painter, square, view, row, zoom);
}
