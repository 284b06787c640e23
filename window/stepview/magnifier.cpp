#include "magnifier.h"

#include "magnifier_geometry.h"
#include "step_rows.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cstddef>

namespace {

constexpr QSize kDesignSize(240, 240);
constexpr QSize kMinimumSize(120, 120);

// Around the view square: room for the tip dot when the tip lies on the square's edge.
constexpr int kMargin = 5;
constexpr qreal kTipRadius = 3.5;
constexpr qreal kEarlierTipRadius = 3.0;
constexpr qreal kLinePenWidth = 1.5;
constexpr int kLabelPadding = 3;

// The main window plot's colours, with a lighter red for the tips already passed.
constexpr QColor kRayColour(0, 128, 0);
constexpr QColor kArcColour(0, 0, 0);
constexpr QColor kTipColour(255, 0, 0);
constexpr QColor kEarlierTipColour(255, 150, 150);
constexpr QColor kFrameColour(120, 120, 120);

// The largest square centred in the widget, less the margin, on whole pixels.
QRectF ViewSquare(const QRect& widget) {
    const int side = std::max(0, std::min(widget.width(), widget.height()) - 2 * kMargin);
    return QRect(widget.left() + (widget.width() - side) / 2,
                 widget.top() + (widget.height() - side) / 2, side, side);
}

QPointF Pixel(const QRectF& square, TViewPoint point) {
    return TStepPlot::AtFraction(square, point.right, point.down);
}

void DrawDot(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

void DrawArc(QPainter& painter, const QRectF& square, const TMagnifierView& view) {
    QPolygonF arc;
    arc.reserve(kArcSamples);
    for (const TViewPoint& sample : ArcSamples(view)) {
        arc.append(Pixel(square, sample));
    }
    painter.setPen(QPen(kArcColour, kLinePenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(arc);
}

void DrawTargetRay(QPainter& painter, const QRectF& square, const TMagnifierView& view) {
    const TViewSegment ray = TargetRay(view);
    painter.setPen(QPen(kRayColour, kLinePenWidth));
    painter.drawLine(Pixel(square, ray.from), Pixel(square, ray.to));
}

// The tips of the rows before the shown one that fall inside the view.
void DrawEarlierTips(QPainter& painter, const QRectF& square, const TMagnifierView& view,
                     const TStepRows& rows, std::size_t shown) {
    for (std::size_t index = 0; index < shown; ++index) {
        const TStepRow& row = rows.Row(index);
        const TViewPoint tip = ToView(view, row.x, row.y);
        if (InView(tip)) {
            DrawDot(painter, Pixel(square, tip), kEarlierTipRadius, kEarlierTipColour);
        }
    }
}

// A one-pixel line along the square's outermost pixels.
void DrawFrame(QPainter& painter, const QRectF& square) {
    painter.setPen(QPen(kFrameColour, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square.adjusted(0.5, 0.5, -0.5, -0.5));
}

// The view's width in the square's bottom left corner, on the background colour.
void DrawScaleLabel(QPainter& painter, const QRectF& square, long double width,
                    const QFontMetrics& metrics, const QPalette& palette) {
    const QString text = QString::fromStdString(ScaleLabel(width));
    const QSizeF size(metrics.horizontalAdvance(text) + 2 * kLabelPadding,
                      metrics.height() + 2 * kLabelPadding);
    const QRectF box(square.left() + 1, square.bottom() - 1 - size.height(), size.width(),
                     size.height());
    painter.fillRect(box, palette.base());
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(box, Qt::AlignCenter, text);
}

// Drawn whole even on the square's edge, where the tightest steps can put it.
void DrawTip(QPainter& painter, const QRectF& square, const TMagnifierView& view,
             const TStepRow& row) {
    const TViewPoint tip = ToView(view, row.x, row.y);
    if (InView(tip)) {
        DrawDot(painter, Pixel(square, tip), kTipRadius, kTipColour);
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
    const QRectF square = ViewSquare(rect());
    DrawBackground(painter, rect(), square, palette());
    const TStepRows* rows = Rows();
    if (rows == nullptr || rows->Count() == 0) {
        DrawFrame(painter, square);
        return;
    }
    const auto shown = static_cast<std::size_t>(ShownRow());
    const TStepRow& row = rows->Row(shown);
    const TMagnifierView view = ViewOfRow(*rows, row);

    painter.save();
    painter.setClipRect(square);
    DrawArc(painter, square, view);
    DrawTargetRay(painter, square, view);
    DrawEarlierTips(painter, square, view, *rows, shown);
    painter.restore();
    DrawFrame(painter, square);
    DrawScaleLabel(painter, square, view.width, fontMetrics(), palette());
    DrawTip(painter, square, view, row);
}
