#include "lab_error_chart.h"

#include "convergence_scale.h"
#include "guard.h"
#include "lab_texts.h"
#include "plot_area.h"
#include "sweep_floor.h"
#include "utf8_text.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace {

// The axis before the first sweep, and the least span of a fitted one.
constexpr int kLeastDecades = 2;
constexpr TLogScale kEmptyScale{0, kLeastDecades, 1e-2L, 1, 64};
// Up to this many decades every one is labelled, above it every fifth.
constexpr int kEveryDecadeLabelled = 10;

constexpr QSize kDesignSize(420, 240);
constexpr QSize kMinimumSize(260, 160);

constexpr int kOuterMargin = 4;
constexpr int kRightMargin = 10;
constexpr int kTickLength = 4;
constexpr int kLabelGap = 3;

constexpr int kLabelledEveryFifth = 5;
constexpr std::array kStepTicks = {1, 8, 16, 24, 32, 40, 48, 56, 64};

constexpr qreal kSweepPenWidth = 1.0;
constexpr qreal kMarkPenWidth = 1.5;
constexpr qreal kMarkerRadius = 2.5;
constexpr qreal kCurrentMarkerRadius = 4.5;

constexpr QColor kGridColour(228, 228, 228);
constexpr QColor kLabelledGridColour(190, 190, 190);
constexpr QColor kAxisColour(0, 0, 0);
constexpr QColor kSweepColour(0, 70, 170);
constexpr QColor kFloorColour(0, 130, 0);
constexpr QColor kCurrentColour(200, 0, 0);

// The line 10^(top - d) as its label: "1e20", "1e5", "1", "1e-2".
QString DecadeLabel(int decade, const TLogScale& scale) {
    const int exponent = scale.top - decade;
    return exponent == 0 ? QStringLiteral("1") : QStringLiteral("1e%1").arg(exponent);
}

int LabelledDecades(const TLogScale& scale) {
    return scale.decades <= kEveryDecadeLabelled ? 1 : kLabelledEveryFifth;
}

constexpr auto At = &AtFraction;

QPointF PointOf(const QRectF& plot, const TLogScale& scale, std::int32_t n, long double error) {
    return At(plot, IndexRight(n, scale), ErrorMark(error, scale).down);
}

// Room on the left for the widest label "1e-20".
QRectF PlotArea(const QRect& widget, const QFontMetrics& metrics) {
    const int left =
        kOuterMargin + metrics.horizontalAdvance(QStringLiteral("1e-20")) + kLabelGap + kTickLength;
    const int top = kOuterMargin + metrics.height() / 2;
    const int bottom = kOuterMargin + metrics.height() + kLabelGap + kTickLength;
    return QRectF(widget).adjusted(left, top, -kRightMargin, -bottom);
}

void DrawGrid(QPainter& painter, const QRectF& plot, const TLogScale& scale) {
    for (int decade = 1; decade < scale.decades; ++decade) {
        painter.setPen(decade % LabelledDecades(scale) == 0 ? kLabelledGridColour : kGridColour);
        const qreal y = At(plot, 0, DecadeDown(decade, scale)).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(kGridColour);
    for (const int n : kStepTicks) {
        const qreal x = At(plot, IndexRight(n, scale), 0).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void DrawAxes(QPainter& painter, const QRectF& plot, const TLogScale& scale,
              const QFontMetrics& metrics, const QColor& textColour) {
    painter.setPen(kAxisColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    const qreal textHeight = metrics.height();
    for (int decade = 0; decade <= scale.decades; decade += LabelledDecades(scale)) {
        const qreal y = At(plot, 0, DecadeDown(decade, scale)).y();
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(plot.left() - kTickLength, y), QPointF(plot.left(), y));
        painter.setPen(textColour);
        const QRectF box(0, y - textHeight / 2, plot.left() - kTickLength - kLabelGap, textHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, DecadeLabel(decade, scale));
    }
    const qreal labelTop = plot.bottom() + kTickLength + kLabelGap;
    for (const int n : kStepTicks) {
        const qreal x = At(plot, IndexRight(n, scale), 0).x();
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTickLength));
        painter.setPen(textColour);
        painter.drawText(QRectF(x - textHeight * 2, labelTop, textHeight * 4, textHeight),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(n));
    }
    painter.drawText(QRectF(plot.left(), plot.top(), plot.width() / 2, textHeight),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral(" chyba v u, n krokov"));
}

void DrawSweep(QPainter& painter, const QRectF& plot, const TLogScale& scale,
               const TLabSweep& sweep, const QColor& hollowFill, qreal zoom) {
    QPolygonF line;
    for (std::int32_t n = 1; n <= 64; ++n) {
        line.append(PointOf(plot, scale, n, sweep[static_cast<std::size_t>(n - 1)]));
    }
    painter.setPen(QPen(kSweepColour, kSweepPenWidth * zoom));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    for (std::int32_t n = 1; n <= 64; ++n) {
        const long double error = sweep[static_cast<std::size_t>(n - 1)];
        const bool hollow = ErrorMark(error, scale).belowFloor;
        painter.setPen(hollow ? QPen(kSweepColour, zoom) : QPen(Qt::NoPen));
        painter.setBrush(hollow ? hollowFill : kSweepColour);
        const QPointF centre = line[n - 1];
        painter.drawEllipse(centre, kMarkerRadius * zoom, kMarkerRadius * zoom);
    }
}

// The level where the error stops falling, across the whole chart, and down to its n.
void DrawFloor(QPainter& painter, const QRectF& plot, const TLogScale& scale,
               const QFontMetrics& metrics, std::int32_t floorSteps, long double error,
               qreal zoom) {
    const QPointF point = PointOf(plot, scale, floorSteps, error);
    painter.setPen(QPen(kFloorColour, kMarkPenWidth * zoom, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), point.y()), QPointF(plot.right(), point.y()));
    painter.drawLine(point, QPointF(point.x(), plot.bottom()));
    const QString text = QStringLiteral("neklesá od n = %1 (%2 u)")
                             .arg(floorSteps)
                             .arg(FromUtf8(ThreeDigits(error)));
    const qreal height = metrics.height();
    const QRectF box(plot.left() + kLabelGap, point.y() - height - kLabelGap,
                     plot.width() - 2 * kLabelGap, height);
    painter.setPen(kFloorColour);
    painter.drawText(box, Qt::AlignRight | Qt::AlignBottom, text);
}

void DrawCurrent(QPainter& painter, const QRectF& plot, const TLogScale& scale, std::int32_t steps,
                 long double error, qreal zoom) {
    const QPointF point = PointOf(plot, scale, steps, error);
    painter.setPen(QPen(kCurrentColour, kMarkPenWidth * zoom));
    painter.drawLine(QPointF(point.x(), plot.top()), QPointF(point.x(), plot.bottom()));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(point, kCurrentMarkerRadius * zoom, kCurrentMarkerRadius * zoom);
}

} // namespace

TLabErrorChart::TLabErrorChart(QWidget* parent) : QWidget(parent), scale_(kEmptyScale) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Najväčšia chyba podľa počtu krokov"));
    setAccessibleDescription(QStringLiteral(
        "Najväčšia chyba výsledkov v jednotkách u pre n = 1 až 64 na logaritmickej osi, "
        "s vyznačeným aktuálnym n a miestom, kde chyba prestáva klesať"));
}

void TLabErrorChart::SetSweep(const TLabSweep& sweep) {
    sweep_ = sweep;
    hasSweep_ = true;
    floorSteps_ = SweepFloorSteps(sweep_);
    scale_ = FittedLogScale(sweep_, 1, 64, kLeastDecades);
    update();
}

void TLabErrorChart::SetCurrentSteps(std::int32_t steps) {
    current_ = std::clamp(steps, 1, 64);
    update();
}

void TLabErrorChart::SetZoom(qreal factor) {
    zoom_ = factor;
    update();
}

QSize TLabErrorChart::sizeHint() const {
    return kDesignSize;
}

QSize TLabErrorChart::minimumSizeHint() const {
    return kMinimumSize;
}

void TLabErrorChart::paintEvent(QPaintEvent*) {
    Guarded([this] {
        QPainter painter(this);
        Paint(painter);
    });
}

void TLabErrorChart::Paint(QPainter& painter) const {
    // The window's font, which the projector zoom has scaled already.
    const QFontMetrics metrics(painter.font());
    const QPalette& colours = palette();
    const QRectF plot = PlotArea(rect(), metrics);

    DrawPlotBackground(painter, rect(), plot, colours);
    DrawGrid(painter, plot, scale_);
    DrawAxes(painter, plot, scale_, metrics, colours.color(QPalette::WindowText));
    if (!hasSweep_) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    const qreal overhang = kCurrentMarkerRadius * zoom_ + 1;
    painter.setClipRect(plot.adjusted(-overhang, -overhang, overhang, overhang));
    DrawSweep(painter, plot, scale_, sweep_, colours.color(QPalette::Base), zoom_);
    DrawFloor(painter, plot, scale_, metrics, floorSteps_,
              sweep_[static_cast<std::size_t>(floorSteps_ - 1)], zoom_);
    DrawCurrent(painter, plot, scale_, current_, sweep_[static_cast<std::size_t>(current_ - 1)],
                zoom_);
    painter.restore();
}
