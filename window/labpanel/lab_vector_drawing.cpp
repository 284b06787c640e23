#include "lab_vector_drawing.h"

#include "colours.h"
#include "lab_vector_geometry.h"
#include "plot_area.h"
#include "utf8_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Sizes in the painter's units (design pixels on the screen, points on paper).
constexpr qreal kOuterMargin = 4;
constexpr qreal kTickLength = 4;
constexpr qreal kLabelGap = 3;
constexpr qreal kFramePenWidth = 1.0;
constexpr qreal kGridPenWidth = 0.75;
constexpr qreal kAxisPenWidth = 1.0;
constexpr qreal kCurvePenWidth = 1.5;
constexpr qreal kEarlierPenWidth = 1.25;
constexpr qreal kVectorPenWidth = 2.5;
constexpr qreal kMovePenWidth = 2.0;
constexpr qreal kPathPenWidth = 1.25;
constexpr qreal kEarlierTipRadius = 2.5;
constexpr qreal kTipRadius = 4.0;
constexpr qreal kArrowLength = 9.0;
constexpr qreal kArrowHalfWidth = 4.0;
constexpr qreal kIndexGap = 3.0;

// The most ticks on the longer side; the shorter gets its share, at least kLeastTicks.
constexpr int kMostTicks = 8;
constexpr int kLeastTicks = 3;
constexpr int kCurveSamples = 256;

QPointF Pixel(const QRectF& frame, TViewPoint point) {
    return AtFraction(frame, point.right, point.down);
}

QPointF Pixel(const QRectF& frame, const TLabPlane& plane, long double x, long double y) {
    return Pixel(frame, PlanePoint(plane, x, y));
}

struct TAxes {
    std::vector<TLabTick> across; // x
    std::vector<TLabTick> up;     // y
};

TAxes Ticks(const TLabPlane& plane) {
    const double aspect = PlaneAspect(plane);
    const int longer = kMostTicks;
    const int shorter =
        std::max(kLeastTicks, static_cast<int>(kMostTicks * std::min(aspect, 1 / aspect)));
    return {AxisTicks(plane.left, plane.right, aspect >= 1 ? longer : shorter),
            AxisTicks(plane.bottom, plane.top, aspect >= 1 ? shorter : longer)};
}

// The frame: the room less the room for the labels on the left and below.
QRectF FrameIn(const QRectF& room, const QFontMetricsF& metrics, const TAxes& axes) {
    qreal widest = 0;
    for (const TLabTick& tick : axes.up) {
        widest = std::max(widest, metrics.horizontalAdvance(FromUtf8(tick.text)));
    }
    return room.adjusted(kOuterMargin + widest + kLabelGap + kTickLength, kOuterMargin,
                         -kOuterMargin - metrics.horizontalAdvance(QStringLiteral("0.0")) / 2,
                         -(kOuterMargin + metrics.height() + kLabelGap + kTickLength));
}

// The run's plane grown to the frame's shape, and the frame for its labels: twice, since the
// grown plane's labels may be wider.
struct TLayout {
    TLabPlane plane;
    TAxes axes;
    QRectF frame;
};

TLayout LayOut(const QRectF& room, const QFontMetricsF& metrics, const TLabPlane& run) {
    TLayout layout{run, Ticks(run), {}};
    for (int pass = 0; pass < 2; ++pass) {
        layout.frame = FrameIn(room, metrics, layout.axes);
        if (layout.frame.width() <= 0 || layout.frame.height() <= 0) {
            layout.frame = QRectF(room.topLeft(), QSizeF(0, 0));
            return layout;
        }
        layout.plane = WithAspect(run, layout.frame.width() / layout.frame.height());
        layout.axes = Ticks(layout.plane);
    }
    return layout;
}

void DrawGrid(QPainter& painter, const QRectF& frame, const TLabPlane& plane, const TAxes& axes) {
    QVector<QLineF> lines;
    for (const TLabTick& tick : axes.across) {
        lines.append({Pixel(frame, plane, tick.value, plane.bottom),
                      Pixel(frame, plane, tick.value, plane.top)});
    }
    for (const TLabTick& tick : axes.up) {
        lines.append({Pixel(frame, plane, plane.left, tick.value),
                      Pixel(frame, plane, plane.right, tick.value)});
    }
    painter.setPen(QPen(kGridColour, kGridPenWidth));
    painter.drawLines(lines);
}

void DrawFrame(QPainter& painter, const QRectF& frame, const TLabPlane& plane, const TAxes& axes) {
    painter.setPen(QPen(kFrameColour, kFramePenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    const QFontMetricsF metrics(painter.font());
    painter.setPen(kInk);
    for (const TLabTick& tick : axes.across) {
        const QPointF at = Pixel(frame, plane, tick.value, plane.bottom);
        painter.drawLine(at, at + QPointF(0, kTickLength));
        const QString text = FromUtf8(tick.text);
        painter.drawText(at + QPointF(-metrics.horizontalAdvance(text) / 2,
                                      kTickLength + kLabelGap + metrics.ascent()),
                         text);
    }
    for (const TLabTick& tick : axes.up) {
        const QPointF at = Pixel(frame, plane, plane.left, tick.value);
        painter.drawLine(at, at - QPointF(kTickLength, 0));
        const QString text = FromUtf8(tick.text);
        painter.drawText(at + QPointF(-kTickLength - kLabelGap - metrics.horizontalAdvance(text),
                                      (metrics.ascent() - metrics.descent()) / 2),
                         text);
    }
}

void DrawAxes(QPainter& painter, const QRectF& frame, const TLabPlane& plane, TLabSystem system) {
    painter.setPen(QPen(kAxisColour, kAxisPenWidth));
    painter.drawLine(Pixel(frame, plane, plane.left, 0), Pixel(frame, plane, plane.right, 0));
    painter.drawLine(Pixel(frame, plane, 0, plane.bottom), Pixel(frame, plane, 0, plane.top));
    if (system == TLabSystem::Hyperbolic) {
        painter.setPen(QPen(kAxisColour, kAxisPenWidth, Qt::DashLine));
        for (const TViewSegment& asymptote : Asymptotes(plane)) {
            painter.drawLine(Pixel(frame, asymptote.from), Pixel(frame, asymptote.to));
        }
    }
}

void DrawCurve(QPainter& painter, const QRectF& frame, const TLabPlane& plane,
               const TLabCurve& curve) {
    QPolygonF line;
    for (const TViewPoint& point : CurvePolyline(curve, plane, kCurveSamples)) {
        line.append(Pixel(frame, point));
    }
    painter.setPen(QPen(kCircleColour, kCurvePenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
}

QPointF Tip(const QRectF& frame, const TLabPlane& plane, const TLabState& state) {
    return Pixel(frame, plane, state.x, state.y);
}

bool Finite(const TLabState& state) {
    return std::isfinite(state.x) && std::isfinite(state.y);
}

// The vectors of the states before `shown`, or of all but the last: faded, with their tips.
void DrawEarlierVectors(QPainter& painter, const QRectF& frame, const TLabPlane& plane,
                        const std::vector<TLabState>& states, std::size_t count) {
    const QPointF origin = Pixel(frame, plane, 0, 0);
    QVector<QLineF> lines;
    for (std::size_t index = 0; index < count; ++index) {
        if (Finite(states[index])) {
            lines.append({origin, Tip(frame, plane, states[index])});
        }
    }
    painter.setPen(QPen(kPassedColour, kEarlierPenWidth));
    painter.drawLines(lines);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPassedColour);
    for (const QLineF& line : lines) {
        painter.drawEllipse(line.p2(), kEarlierTipRadius, kEarlierTipRadius);
    }
}

void DrawVector(QPainter& painter, const QRectF& frame, const TLabPlane& plane,
                const TLabState& state) {
    const QPointF tip = Tip(frame, plane, state);
    painter.setPen(QPen(kVectorColour, kVectorPenWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(Pixel(frame, plane, 0, 0), tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kVectorColour);
    painter.drawEllipse(tip, kTipRadius, kTipRadius);
}

// An arrow from `from` to `to`, its head at `to`; nothing where they meet.
void DrawArrow(QPainter& painter, QPointF from, QPointF to, qreal width) {
    const QLineF line(from, to);
    if (line.length() < 1e-9) {
        return;
    }
    painter.setPen(QPen(kTurnColour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line);
    const QPointF direction = (to - from) / line.length();
    const QPointF across(-direction.y(), direction.x());
    const qreal length = std::min(kArrowLength, line.length());
    const QPointF back = to - direction * length;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTurnColour);
    painter.drawPolygon(
        QPolygonF{to, back + across * kArrowHalfWidth, back - across * kArrowHalfWidth});
}

void DrawMoves(QPainter& painter, const QRectF& frame, const TLabPlane& plane,
               const std::vector<TLabState>& states, std::size_t from, std::size_t to,
               qreal width) {
    for (std::size_t index = from; index < to; ++index) {
        if (Finite(states[index]) && Finite(states[index + 1])) {
            DrawArrow(painter, Tip(frame, plane, states[index]),
                      Tip(frame, plane, states[index + 1]), width);
        }
    }
}

void DrawIndices(QPainter& painter, const QRectF& frame, const TLabPlane& plane,
                 const std::vector<TLabState>& states, int last) {
    painter.setPen(kInk);
    const auto count = std::min(states.size(), static_cast<std::size_t>(last + 1));
    for (std::size_t index = 0; index < count; ++index) {
        if (Finite(states[index])) {
            painter.drawText(Tip(frame, plane, states[index]) + QPointF(kIndexGap, -kIndexGap),
                             QString::number(index));
        }
    }
}

} // namespace

void DrawLabVector(QPainter& painter, const QRectF& room, const TLabVectorScene& scene) {
    const bool hasRun = scene.run != nullptr && !scene.run->states.empty();
    const TLayout layout = LayOut(room, QFontMetricsF(painter.font(), painter.device()),
                                  hasRun ? LabRunPlane(*scene.run, scene.system) : TLabPlane{});
    const TLabPlane& plane = layout.plane;
    const TAxes& axes = layout.axes;
    const QRectF& frame = layout.frame;
    if (scene.grid) {
        DrawGrid(painter, frame, plane, axes);
    }
    DrawFrame(painter, frame, plane, axes);
    painter.save();
    painter.setClipRect(frame);
    DrawAxes(painter, frame, plane, scene.system);
    if (!hasRun) {
        painter.restore();
        return;
    }
    const std::vector<TLabState>& states = scene.run->states;
    const auto last = static_cast<int>(states.size()) - 1;
    const int shown = std::min(scene.shown, last);
    DrawCurve(painter, frame, plane,
              LabCurveThrough(states[static_cast<std::size_t>(std::max(shown, 0))], scene.system));
    if (shown >= 0) {
        const auto index = static_cast<std::size_t>(shown);
        const std::size_t end = scene.everyState ? states.size() - 1 : index;
        DrawEarlierVectors(painter, frame, plane, states, scene.everyState ? end : index);
        if (scene.everyState) {
            DrawMoves(painter, frame, plane, states, 0, end, kPathPenWidth);
        } else if (index > 0) {
            DrawMoves(painter, frame, plane, states, index - 1, index, kMovePenWidth);
        }
        if (Finite(states[index])) {
            DrawVector(painter, frame, plane, states[index]);
        }
        DrawIndices(painter, frame, plane, states, scene.lastLabel);
    }
    painter.restore();
}
