#include "log_chart.h"

#include "colours.h"
#include "plot_area.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <utility>

namespace {

// Sizes in design pixels (paper_plot.h). The frame around the plot leaves room for the labels
// left and below; on the right for the markers on the last index.
constexpr qreal kOuterMargin = 4;
constexpr qreal kRightMargin = 10;
constexpr qreal kTickLength = 4;
constexpr qreal kLabelGap = 3;
constexpr qreal kGridPenWidth = 1.0;

// Up to this many decades every one is labelled, above it every fifth.
constexpr int kEveryDecadeLabelled = 10;
constexpr int kLabelledEveryFifth = 5;

// A filled marker is only filled (an outline would be a second, costlier pass for each of the
// hundred markers); a hollow one is an outline of the same outer size.
constexpr qreal kMarkerRadius = 2.5;
constexpr qreal kMarkerOutlineWidth = 1.0;
constexpr qreal kCrossHalf = 3.5;
constexpr qreal kCrossPenWidth = 1.5;
constexpr qreal kRingRadius = 4.5;
constexpr qreal kLevelPenWidth = 1.5;
// The mouse finds a point this near its centre.
constexpr qreal kHoverReach = 6;

constexpr qreal kLegendInset = 6; // from the plot's edges
constexpr qreal kLegendPadding = 4;
constexpr qreal kLegendSampleLength = 24;

int LabelledEvery(const TLogScale& scale) {
    return scale.decades <= kEveryDecadeLabelled ? 1 : kLabelledEveryFifth;
}

// The line 10^(top - decade) as its label: "1e19", "1", "1e-5".
QString DecadeLabel(int decade, const TLogScale& scale) {
    const int exponent = scale.top - decade;
    return exponent == 0 ? QStringLiteral("1") : QStringLiteral("1e%1").arg(exponent);
}

// The plot's rectangle: room on the left for the widest decade label, above for a title, below
// for the indexes.
QRectF PlotArea(const QRectF& area, const QFontMetricsF& metrics, const TLogScale& scale,
                bool titled) {
    qreal widest = 0;
    for (int decade = 0; decade <= scale.decades; decade += LabelledEvery(scale)) {
        widest = std::max(widest, metrics.horizontalAdvance(DecadeLabel(decade, scale)));
    }
    const qreal left = kOuterMargin + widest + kLabelGap + kTickLength;
    const qreal top = kOuterMargin + metrics.height() / 2 + (titled ? metrics.height() : 0);
    const qreal bottom = kOuterMargin + metrics.height() + kLabelGap + kTickLength;
    return area.adjusted(left, top, -kRightMargin, -bottom);
}

QPointF PointOf(const QRectF& plot, const TLogScale& scale, std::int32_t index, long double value) {
    return AtFraction(plot, IndexRight(index, scale), ErrorMark(value, scale).down);
}

TChartPixel Pixel(QPointF point) {
    return {point.x(), point.y()};
}

// Every curve's points, then the marks' lines: what a label must not cover.
std::vector<TChartLine> CurveLines(const QRectF& plot, const TChartContent& content) {
    std::vector<TChartLine> lines;
    for (const TChartCurve& curve : content.curves) {
        TChartLine& line = lines.emplace_back();
        line.reserve(curve.points.size());
        for (const TChartPoint& point : curve.points) {
            line.push_back(Pixel(PointOf(plot, content.scale, point.index, point.value)));
        }
    }
    return lines;
}

std::vector<TChartLine> Obstacles(const QRectF& plot, const TChartContent& content) {
    std::vector<TChartLine> lines = CurveLines(plot, content);
    if (content.mark) {
        const qreal x = AtFraction(plot, IndexRight(content.mark->index, content.scale), 0).x();
        lines.push_back({{x, plot.top()}, {x, plot.bottom()}});
    }
    if (content.level) {
        const QPointF at = PointOf(plot, content.scale, content.level->index, content.level->value);
        lines.push_back({{plot.left(), at.y()}, {plot.right(), at.y()}});
        lines.push_back({Pixel(at), {at.x(), plot.bottom()}});
    }
    return lines;
}

QRectF ToRect(const TChartBox& box) {
    return {box.left, box.top, box.width, box.height};
}

// The places in the plot for a box of `size`, inset: the top right corner first, the top's
// middle, then the bottom left corner (where falling curves leave room), the top left and the
// bottom right.
std::array<TChartBox, 5> Corners(const QRectF& plot, QSizeF size) {
    const double left = plot.left() + kLegendInset;
    const double right = plot.right() - kLegendInset - size.width();
    const double middle = plot.center().x() - size.width() / 2;
    const double top = plot.top() + kLegendInset;
    const double bottom = plot.bottom() - kLegendInset - size.height();
    const double w = size.width();
    const double h = size.height();
    return {{{right, top, w, h},
             {middle, top, w, h},
             {left, bottom, w, h},
             {left, top, w, h},
             {right, bottom, w, h}}};
}

void DrawMarker(QPainter& painter, QPointF centre, TChartMarker marker, const QColor& colour,
                bool hollow) {
    qreal radius = kMarkerRadius;
    if (hollow) {
        painter.setPen(QPen(colour, kMarkerOutlineWidth));
        painter.setBrush(kPaper);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        radius += kMarkerOutlineWidth / 2;
    }
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    if (marker == TChartMarker::Circle) {
        painter.drawEllipse(box);
    } else if (marker == TChartMarker::Square) {
        painter.drawRect(box);
    }
}

void DrawCross(QPainter& painter, QPointF centre, const QColor& colour) {
    painter.setPen(QPen(colour, kCrossPenWidth, Qt::SolidLine, Qt::RoundCap));
    const QPointF a(kCrossHalf, kCrossHalf);
    const QPointF b(kCrossHalf, -kCrossHalf);
    painter.drawLine(centre - a, centre + a);
    painter.drawLine(centre - b, centre + b);
}

// A line at every decade, darker at the labelled ones, and a line at every tick.
void DrawGrid(QPainter& painter, const QRectF& plot, const TLogScale& scale,
              const std::vector<std::int32_t>& ticks) {
    for (int decade = 1; decade < scale.decades; ++decade) {
        const bool labelled = decade % LabelledEvery(scale) == 0;
        painter.setPen(QPen(labelled ? kLabelledGridColour : kGridColour, kGridPenWidth));
        const qreal y = AtFraction(plot, 0, DecadeDown(decade, scale)).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(QPen(kGridColour, kGridPenWidth));
    for (const std::int32_t tick : ticks) {
        const qreal x = AtFraction(plot, IndexRight(tick, scale), 0).x();
        if (x > plot.left() && x < plot.right()) {
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
    }
}

// The frame, the labelled decades on the left, the ticks with their indexes below and the
// index's name at the right end.
void DrawAxes(QPainter& painter, const QRectF& plot, const QFontMetricsF& metrics,
              const TLogScale& scale, const std::vector<std::int32_t>& ticks,
              const QString& indexName) {
    const QPen axisPen(kInk, kGridPenWidth);
    painter.setPen(axisPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    const qreal textHeight = metrics.height();
    for (int decade = 0; decade <= scale.decades; decade += LabelledEvery(scale)) {
        const qreal y = AtFraction(plot, 0, DecadeDown(decade, scale)).y();
        painter.drawLine(QPointF(plot.left() - kTickLength, y), QPointF(plot.left(), y));
        const QRectF box(0, y - textHeight / 2, plot.left() - kTickLength - kLabelGap, textHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, DecadeLabel(decade, scale));
    }
    const qreal labelTop = plot.bottom() + kTickLength + kLabelGap;
    const auto indexLabel = [&](qreal x, const QString& text) {
        const QRectF box(x - textHeight * 2, labelTop, textHeight * 4, textHeight);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
    };
    for (const std::int32_t tick : ticks) {
        const qreal x = AtFraction(plot, IndexRight(tick, scale), 0).x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTickLength));
        indexLabel(x, QString::number(tick));
    }
    if (!indexName.isEmpty()) {
        indexLabel(plot.right(), indexName);
    }
}

void DrawCurve(QPainter& painter, const QRectF& plot, const TLogScale& scale,
               const TChartCurve& curve, const TChartContent& content) {
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(curve.points.size()));
    for (const TChartPoint& point : curve.points) {
        line.append(PointOf(plot, scale, point.index, point.value));
    }
    painter.setPen(QPen(curve.colour, curve.penWidth, curve.line, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    if (curve.marker == TChartMarker::None) {
        return;
    }
    for (std::size_t k = 0; k < curve.points.size(); ++k) {
        const TChartPoint& point = curve.points[k];
        if (point.flagged) {
            DrawCross(painter, line[static_cast<qsizetype>(k)], content.flagColour);
        } else {
            DrawMarker(painter, line[static_cast<qsizetype>(k)], curve.marker, curve.colour,
                       ErrorMark(point.value, scale).belowFloor);
        }
    }
}

void DrawMark(QPainter& painter, const QRectF& plot, const TChartContent& content) {
    const TChartMark& mark = *content.mark;
    const qreal x = AtFraction(plot, IndexRight(mark.index, content.scale), 0).x();
    painter.setPen(QPen(mark.colour, mark.penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    if (!mark.onTop || mark.ringCurve >= content.curves.size()) {
        return;
    }
    for (const TChartPoint& point : content.curves[mark.ringCurve].points) {
        if (point.index == mark.index) {
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(PointOf(plot, content.scale, point.index, point.value), kRingRadius,
                                kRingRadius);
        }
    }
}

void DrawLevel(QPainter& painter, const QRectF& plot, const TChartLevel& level,
               const TLogScale& scale) {
    const QPointF at = PointOf(plot, scale, level.index, level.value);
    painter.setPen(QPen(level.colour, kLevelPenWidth, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), at.y()), QPointF(plot.right(), at.y()));
    painter.drawLine(at, QPointF(at.x(), plot.bottom()));
}

// A text on paper in its box.
void DrawNote(QPainter& painter, const TChartBox& box, const QString& text, const QColor& colour) {
    painter.fillRect(ToRect(box), kPaper);
    painter.setPen(colour);
    painter.drawText(ToRect(box), Qt::AlignCenter, text);
}

} // namespace

void TLogChart::SetIndexAxis(std::vector<std::int32_t> ticks, QString name) {
    ticks_ = std::move(ticks);
    indexName_ = std::move(name);
}

void TLogChart::SetLegend(QString hollowNote) {
    legend_ = true;
    hollowNote_ = std::move(hollowNote);
}

void TLogChart::SetTitle(QString title) {
    title_ = std::move(title);
}

std::vector<TLogChart::TLegendLine> TLogChart::LegendLines(const TChartContent& content) const {
    std::vector<TLegendLine> lines;
    for (const TChartCurve& curve : content.curves) {
        if (legend_ && !curve.legend.isEmpty()) {
            lines.push_back({curve.legend, curve.colour, curve.line, curve.penWidth, curve.marker,
                             false, false});
        }
    }
    if (legend_ && !hollowNote_.isEmpty()) {
        lines.push_back(
            {hollowNote_, kHollowLegendColour, Qt::NoPen, 0, TChartMarker::Circle, true, false});
    }
    const bool flagged =
        std::any_of(content.curves.begin(), content.curves.end(), [](const auto& c) {
            return std::any_of(c.points.begin(), c.points.end(),
                               [](const TChartPoint& p) { return p.flagged; });
        });
    if (flagged && !content.flagNote.isEmpty()) {
        lines.push_back(
            {content.flagNote, content.flagColour, Qt::NoPen, 0, TChartMarker::None, false, true});
    }
    return lines;
}

void TLogChart::Paint(QPainter& painter, const QRectF& area, const TChartContent& content) const {
    const QFontMetricsF metrics(painter.font());
    const QRectF plot = PlotArea(area, metrics, content.scale, !title_.isEmpty());
    DrawGrid(painter, plot, content.scale, ticks_);
    DrawAxes(painter, plot, metrics, content.scale, ticks_, indexName_);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal overhang = std::max(kRingRadius, kCrossHalf) + kLevelPenWidth;
    painter.setClipRect(plot.adjusted(-overhang, -overhang, overhang, overhang));
    if (content.mark && !content.mark->onTop) {
        DrawMark(painter, plot, content);
    }
    for (const TChartCurve& curve : content.curves) {
        DrawCurve(painter, plot, content.scale, curve, content);
    }
    if (content.level) {
        DrawLevel(painter, plot, *content.level, content.scale);
    }
    if (content.mark && content.mark->onTop) {
        DrawMark(painter, plot, content);
    }
    painter.restore();

    // The labels, each where no curve runs and no label placed before it lies.
    const std::vector<TChartLine> obstacles = Obstacles(plot, content);
    std::vector<TChartBox> placed;
    const qreal rowHeight = metrics.height();
    const auto place = [&](std::span<const TChartBox> candidates) {
        const TChartBox box = candidates[PlaceLabel(candidates, obstacles, placed,
                                                    kMarkerRadius + kMarkerOutlineWidth)];
        placed.push_back(box);
        return box;
    };

    if (const std::vector<TLegendLine> lines = LegendLines(content); !lines.empty()) {
        qreal textWidth = 0;
        for (const TLegendLine& line : lines) {
            textWidth = std::max(textWidth, metrics.horizontalAdvance(line.text));
        }
        const QSizeF size(2 * kLegendPadding + kLegendSampleLength + kLabelGap + textWidth,
                          2 * kLegendPadding + static_cast<qreal>(lines.size()) * rowHeight);
        const TChartBox box = place(Corners(plot, size));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kLabelledGridColour, kGridPenWidth));
        painter.setBrush(kPaper);
        painter.drawRect(ToRect(box));
        const qreal sampleLeft = box.left + kLegendPadding;
        const qreal textLeft = sampleLeft + kLegendSampleLength + kLabelGap;
        qreal middle = box.top + kLegendPadding + rowHeight / 2;
        for (const TLegendLine& line : lines) {
            const QPointF sampleMiddle(sampleLeft + kLegendSampleLength / 2, middle);
            if (line.line != Qt::NoPen) {
                painter.setPen(QPen(line.colour, line.penWidth, line.line, Qt::FlatCap));
                painter.drawLine(QPointF(sampleLeft, middle),
                                 QPointF(sampleLeft + kLegendSampleLength, middle));
            }
            if (line.cross) {
                DrawCross(painter, sampleMiddle, line.colour);
            } else {
                DrawMarker(painter, sampleMiddle, line.marker, line.colour, line.hollow);
            }
            painter.setPen(kInk);
            painter.drawText(QRectF(textLeft, middle - rowHeight / 2, textWidth, rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, line.text);
            middle += rowHeight;
        }
    }
    if (!title_.isEmpty()) {
        painter.setPen(kInk);
        painter.drawText(QRectF(plot.left(), area.top() + kOuterMargin, plot.width(), rowHeight),
                         Qt::AlignLeft | Qt::AlignTop, title_);
    }
    if (content.level && !content.level->note.isEmpty()) {
        const TChartLevel& level = *content.level;
        const qreal y = PointOf(plot, content.scale, level.index, level.value).y();
        const double w = metrics.horizontalAdvance(level.note) + 2 * kLabelGap;
        const double left = plot.left() + kLegendInset;
        const double right = plot.right() - kLegendInset - w;
        // Clear of the markers that sit on the line, not only of the line.
        const double clearance = kLabelGap + kMarkerRadius + kMarkerOutlineWidth;
        const double above = std::max(plot.top(), y - clearance - rowHeight);
        const double below = std::min(plot.bottom() - rowHeight, y + clearance);
        const std::array<TChartBox, 4> candidates{{{right, above, w, rowHeight},
                                                   {left, above, w, rowHeight},
                                                   {right, below, w, rowHeight},
                                                   {left, below, w, rowHeight}}};
        DrawNote(painter, place(candidates), level.note, level.colour);
    }
}

std::optional<TChartHit> TLogChart::PointAt(QPointF at, const QRectF& area, const QFont& font,
                                            const TChartContent& content) const {
    const QRectF plot = PlotArea(area, QFontMetricsF(font), content.scale, !title_.isEmpty());
    return PointNear(CurveLines(plot, content), Pixel(at), kHoverReach);
}
