#include "lab_error_chart.h"

#include "convergence_scale.h"
#include "guard.h"
#include "lab_texts.h"
#include "sweep_floor.h"
#include "utf8_text.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace {

// Errors in u: from 1e20 (an extended run of one step misses by up to 6.5e18 u) down to 0.01 u.
constexpr TLogScale kSweepScale{20, 22, 1e-2L, 1, 64};

constexpr QSize kDesignSize(420, 240);
constexpr QSize kMinimumSize(260, 160);

constexpr int kOuterMargin = 4;
constexpr int kRightMargin = 10;
constexpr int kTickLength = 4;
constexpr int kLabelGap = 3;

constexpr int kLabelledDecades = 5;
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

// The decade 10^(20 - d) as its label: "1e20" .. "1e5", "1".
QString DecadeLabel(int decade) {
    const int exponent = kSweepScale.top - decade;
    return exponent == 0 ? QStringLiteral("1") : QStringLiteral("1e%1").arg(exponent);
}

QPointF At(const QRectF& area, long double right, long double down) {
    return {area.left() + static_cast<qreal>(right) * area.width(),
            area.top() + static_cast<qreal>(down) * area.height()};
}

QPointF PointOf(const QRectF& plot, std::int32_t n, long double error) {
    return At(plot, IndexRight(n, kSweepScale), ErrorMark(error, kSweepScale).down);
}

QRectF PlotArea(const QRect& widget, const QFontMetrics& metrics) {
    const int left =
        kOuterMargin + metrics.horizontalAdvance(DecadeLabel(0)) + kLabelGap + kTickLength;
    const int top = kOuterMargin + metrics.height() / 2;
    const int bottom = kOuterMargin + metrics.height() + kLabelGap + kTickLength;
    return QRectF(widget).adjusted(left, top, -kRightMargin, -bottom);
}

void DrawBackground(QPainter& painter, const QRect& widget, const QRectF& plot,
                    const QPalette& palette) {
    painter.fillRect(widget, palette.window());
    painter.fillRect(plot, palette.base());
}

void DrawGrid(QPainter& painter, const QRectF& plot) {
    for (int decade = 1; decade < kSweepScale.decades; ++decade) {
        painter.setPen(decade % kLabelledDecades == 0 ? kLabelledGridColour : kGridColour);
        const qreal y = At(plot, 0, DecadeDown(decade, kSweepScale)).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(kGridColour);
    for (const int n : kStepTicks) {
        const qreal x = At(plot, IndexRight(n, kSweepScale), 0).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void DrawAxes(QPainter& painter, const QRectF& plot, const QFontMetrics& metrics,
              const QColor& textColour) {
    painter.setPen(kAxisColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    const qreal textHeight = metrics.height();
    for (int decade = 0; decade <= kSweepScale.decades; decade += kLabelledDecades) {
        const qreal y = At(plot, 0, DecadeDown(decade, kSweepScale)).y();
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(plot.left() - kTickLength, y), QPointF(plot.left(), y));
        painter.setPen(textColour);
        const QRectF box(0, y - textHeight / 2, plot.left() - kTickLength - kLabelGap, textHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, DecadeLabel(decade));
    }
    const qreal labelTop = plot.bottom() + kTickLength + kLabelGap;
    for (const int n : kStepTicks) {
        const qreal x = At(plot, IndexRight(n, kSweepScale), 0).x();
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTickLength));
        painter.setPen(textColour);
        painter.drawText(QRectF(x - textHeight * 2, labelTop, textHeight * 4, textHeight),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(n));
    }
    painter.drawText(QRectF(plot.left(), plot.top(), plot.width() / 2, textHeight),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral(" chyba v u, n krokov"));
}

void DrawSweep(QPainter& painter, const QRectF& plot, const std::array<long double, 64>& sweep,
               const QColor& hollowFill) {
    QPolygonF line;
    for (std::int32_t n = 1; n <= 64; ++n) {
        line.append(PointOf(plot, n, sweep[static_cast<std::size_t>(n - 1)]));
    }
    painter.setPen(QPen(kSweepColour, kSweepPenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    for (std::int32_t n = 1; n <= 64; ++n) {
        const long double error = sweep[static_cast<std::size_t>(n - 1)];
        const bool hollow = ErrorMark(error, kSweepScale).belowFloor;
        painter.setPen(hollow ? QPen(kSweepColour, 1.0) : QPen(Qt::NoPen));
        painter.setBrush(hollow ? hollowFill : kSweepColour);
        const QPointF centre = line[n - 1];
        painter.drawEllipse(centre, kMarkerRadius, kMarkerRadius);
    }
}

// The level where the error stops falling, across the whole chart, and down to its n.
void DrawFloor(QPainter& painter, const QRectF& plot, const QFontMetrics& metrics,
               std::int32_t floorSteps, long double error) {
    const QPointF point = PointOf(plot, floorSteps, error);
    painter.setPen(QPen(kFloorColour, kMarkPenWidth, Qt::DashLine));
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

void DrawCurrent(QPainter& painter, const QRectF& plot, std::int32_t steps, long double error) {
    const QPointF point = PointOf(plot, steps, error);
    painter.setPen(QPen(kCurrentColour, kMarkPenWidth));
    painter.drawLine(QPointF(point.x(), plot.top()), QPointF(point.x(), plot.bottom()));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(point, kCurrentMarkerRadius, kCurrentMarkerRadius);
}

} // namespace

TLabErrorChart::TLabErrorChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Najväčšia chyba podľa počtu krokov"));
    setAccessibleDescription(QStringLiteral(
        "Najväčšia chyba výsledkov v jednotkách u pre n = 1 až 64 na logaritmickej osi, "
        "s vyznačeným aktuálnym n a miestom, kde chyba prestáva klesať"));
}

void TLabErrorChart::SetSweep(const std::array<long double, 64>& sweep) {
    sweep_ = sweep;
    hasSweep_ = true;
    floorSteps_ = SweepFloorSteps(sweep_);
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
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * zoom_);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QPalette& colours = palette();
    const QRectF plot = PlotArea(rect(), metrics);

    DrawBackground(painter, rect(), plot, colours);
    DrawGrid(painter, plot);
    DrawAxes(painter, plot, metrics, colours.color(QPalette::WindowText));
    if (!hasSweep_) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.setClipRect(plot.adjusted(-kCurrentMarkerRadius - 1, -kCurrentMarkerRadius - 1,
                                      kCurrentMarkerRadius + 1, kCurrentMarkerRadius + 1));
    DrawSweep(painter, plot, sweep_, colours.color(QPalette::Base));
    DrawFloor(painter, plot, metrics, floorSteps_,
              sweep_[static_cast<std::size_t>(floorSteps_ - 1)]);
    DrawCurrent(painter, plot, current_, sweep_[static_cast<std::size_t>(current_ - 1)]);
    painter.restore();
}
