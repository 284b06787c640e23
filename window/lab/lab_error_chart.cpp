#include "lab_error_chart.h"

#include "colours.h"
#include "lab_texts.h"
#include "sweep_floor.h"
#include "utf8_text.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace {

// The axis before the first sweep, and the least span of a fitted one.
constexpr int kLeastDecades = 2;
constexpr TLogScale kEmptyScale{0, kLeastDecades, 1e-2L, 1, kLabMaxSteps};

constexpr QSize kDesignSize(420, 240);
constexpr QSize kMinimumSize(260, 160);

constexpr qreal kSweepPenWidth = 1.0;
constexpr qreal kCurrentPenWidth = 1.5;

constexpr auto kTitle = "chyba v u, n krokov";
constexpr auto kWrappedNote = "výsledok pretiekol";
constexpr auto kComparisonLegend = "bez zaokrúhlenia a strážnych bitov";

std::vector<std::int32_t> StepTicks() {
    std::vector<std::int32_t> ticks{1};
    for (std::int32_t n = 8; n <= kLabMaxSteps; n += 8) {
        ticks.push_back(n);
    }
    return ticks;
}

} // namespace

TLabErrorChart::TLabErrorChart(QWidget* parent) : TPaperPlot(parent) {
    setAccessibleName(QStringLiteral("Najväčšia chyba podľa počtu krokov"));
    setAccessibleDescription(QStringLiteral(
        "Najväčšia chyba výsledkov v jednotkách u pre n = 1 až 64 na logaritmickej osi, "
        "s vyznačeným aktuálnym n a miestom, kde chyba prestáva klesať"));
    setMouseTracking(true);
    chart_.SetIndexAxis(StepTicks(), QString());
    chart_.SetTitle(QString::fromUtf8(kTitle));
    chart_.SetLegend(QString());
    content_.scale = kEmptyScale;
    content_.flagNote = QString::fromUtf8(kWrappedNote);
    content_.flagColour = kWrappedColour;
}

void TLabErrorChart::SetSweep(const TLabSweep& sweep, long double wrapped,
                              const std::optional<TComparison>& comparison) {
    hasSweep_ = true;
    floorSteps_ = SweepFloorSteps(sweep);
    const auto curveOf = [wrapped](const TLabSweep& errors, QColor colour) {
        TChartCurve curve;
        curve.colour = colour;
        curve.penWidth = kSweepPenWidth;
        for (std::int32_t n = 1; n <= kLabMaxSteps; ++n) {
            const long double error = errors[static_cast<std::size_t>(n - 1)];
            curve.points.push_back({n, error, error >= wrapped});
        }
        return curve;
    };
    content_.curves.clear();
    std::array<long double, 2 * kLabMaxSteps> both{};
    std::copy(sweep.begin(), sweep.end(), both.begin());
    std::copy(sweep.begin(), sweep.end(), both.begin() + kLabMaxSteps);
    if (comparison) {
        std::copy(comparison->sweep.begin(), comparison->sweep.end(), both.begin() + kLabMaxSteps);
        TChartCurve& plain =
            content_.curves.emplace_back(curveOf(comparison->sweep, kComparisonCurveColour));
        plain.legend = QString::fromUtf8(kComparisonLegend);
    }
    content_.scale = FittedLogScale(both, 1, kLabMaxSteps, kLeastDecades);
    TChartCurve& own = content_.curves.emplace_back(curveOf(sweep, kFirstCurveColour));
    own.legend = comparison ? comparison->setupLegend : QString();
    if (content_.mark) {
        content_.mark->ringCurve = content_.curves.size() - 1;
    }
    const long double least = sweep[static_cast<std::size_t>(floorSteps_ - 1)];
    content_.level = TChartLevel{floorSteps_, least, kLeastErrorColour,
                                 QStringLiteral("neklesá od n = %1 (%2 u)")
                                     .arg(floorSteps_)
                                     .arg(FromUtf8(ThreeDigits(least)))};
    update();
}

void TLabErrorChart::SetCurrentSteps(std::int32_t steps) {
    content_.mark = TChartMark{std::clamp(steps, 1, kLabMaxSteps), kCurrentColour, kCurrentPenWidth,
                               true, content_.curves.empty() ? 0 : content_.curves.size() - 1};
    update();
}

void TLabErrorChart::SetStale(bool stale) {
    if (stale != stale_) {
        stale_ = stale;
        update();
    }
}

QSize TLabErrorChart::sizeHint() const {
    return ZoomedSize(kDesignSize);
}

QSize TLabErrorChart::minimumSizeHint() const {
    return ZoomedSize(kMinimumSize);
}

void TLabErrorChart::Paint(QPainter& painter, const QRectF& area) const {
    if (hasSweep_) {
        chart_.Paint(painter, area, content_);
    } else {
        TChartContent empty;
        empty.scale = kEmptyScale;
        chart_.Paint(painter, area, empty);
    }
    if (stale_) {
        painter.fillRect(area, kStaleVeilColour);
    }
}

// "n = 14: 7.83 u", a wrapped result "n = 41: 1.84e19 u, výsledok pretiekol", the comparison's
// "n = 24: 14.6 u, bez zaokrúhlenia a strážnych bitov".
QString TLabErrorChart::ToolTipAt(QPointF at) const {
    if (!hasSweep_ || stale_) {
        return {};
    }
    const auto hit = chart_.PointAt(at, DesignArea(), font(), content_);
    if (!hit) {
        return {};
    }
    const TChartPoint& point = content_.curves[hit->curve].points[hit->point];
    QString text =
        QStringLiteral("n = %1: %2 u").arg(point.index).arg(FromUtf8(ThreeDigits(point.value)));
    if (point.flagged) {
        text += QStringLiteral(", ") + QString::fromUtf8(kWrappedNote);
    }
    if (HasComparison() && hit->curve == 0) {
        text += QStringLiteral(", ") + QString::fromUtf8(kComparisonLegend);
    }
    return text;
}
