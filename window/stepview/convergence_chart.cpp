#include "convergence_chart.h"

#include "colours.h"
#include "convergence_scale.h"
#include "step_cells.h"
#include "step_rows.h"
#include "utf8_text.h"

#include <QPainter>
#include <array>

namespace {

constexpr QSize kDesignSize(360, 240);
constexpr QSize kMinimumSize(240, 150);

constexpr int kStepTickSpacing = 10;
// One-pixel curves take the painter's fast path; the reference curve without markers is wider.
constexpr qreal kErrorPenWidth = 1.0;
constexpr qreal kReferencePenWidth = 2.0;
constexpr qreal kShownStepPenWidth = 2.0;

// One curve of the chart. Colours differ in lightness and the lines in pattern and markers, so
// the curves also part in greyscale: dark blue solid with circles, orange dashed with squares,
// grey dotted. The step angle comes last, on top: the errors follow it closely.
struct TSeries {
    long double TStepRow::*value;
    bool resultHasValue; // the result row has errors but no step angle
    const char* legend;  // UTF-8
    QColor colour;
    Qt::PenStyle line;
    qreal penWidth;
    TChartMarker marker;
};

constexpr std::array<TSeries, 3> kSeries{{
    {&TStepRow::errorX, true, "|x − cos θ|", kFirstCurveColour, Qt::SolidLine, kErrorPenWidth,
     TChartMarker::Circle},
    {&TStepRow::errorY, true, "|y − sin θ|", kSecondCurveColour, Qt::DashLine, kErrorPenWidth,
     TChartMarker::Square},
    {&TStepRow::atan, false, "atan 2^-i", kReferenceCurveColour, Qt::DotLine, kReferencePenWidth,
     TChartMarker::None},
}};

// The legend's last line explains the hollow markers.
constexpr auto kFloorLegend = "< 1e-20 (aj 0)";

std::vector<std::int32_t> StepTicks() {
    std::vector<std::int32_t> ticks;
    for (std::int32_t i = 0; i < kChartLastIndex; i += kStepTickSpacing) {
        ticks.push_back(i);
    }
    return ticks;
}

} // namespace

TConvergenceChart::TConvergenceChart(QWidget* parent) : TStepPlot(parent) {
    setAccessibleName(QStringLiteral("Konvergencia chyby"));
    setAccessibleDescription(QStringLiteral(
        "Chyby |x − cos θ| a |y − sin θ| v každom kroku i na logaritmickej osi od 1 po 1e-20, "
        "s uhlom kroku atan 2^-i pre porovnanie"));
    setMouseTracking(true);
    chart_.SetIndexAxis(StepTicks(), QStringLiteral("i"));
    chart_.SetLegend(QString::fromUtf8(kFloorLegend));
}

QSize TConvergenceChart::sizeHint() const {
    return ZoomedSize(kDesignSize);
}

QSize TConvergenceChart::minimumSizeHint() const {
    return ZoomedSize(kMinimumSize);
}

TChartContent TConvergenceChart::Content() const {
    TChartContent content;
    content.scale = kConvergenceScale;
    const TStepRows* rows = Rows();
    for (const TSeries& series : kSeries) {
        TChartCurve& curve = content.curves.emplace_back();
        curve.legend = QString::fromUtf8(series.legend);
        curve.colour = series.colour;
        curve.line = series.line;
        curve.penWidth = series.penWidth;
        curve.marker = series.marker;
        if (rows == nullptr) {
            continue;
        }
        curve.points.reserve(rows->Count());
        for (const TStepRow& row : rows->Rows()) {
            if (!row.isResult || series.resultHasValue) {
                curve.points.push_back({row.i, row.*series.value, false});
            }
        }
    }
    if (const int shown = ShownRow(); shown >= 0) {
        content.mark = TChartMark{rows->Row(static_cast<std::size_t>(shown)).i, kShownStepColour,
                                  kShownStepPenWidth, false};
    }
    return content;
}

void TConvergenceChart::Paint(QPainter& painter, const QRectF& area) const {
    chart_.Paint(painter, area, Content());
}

// "i = 10: |x − cos θ| = 6.17e-04", the result row "výsledok: …".
QString TConvergenceChart::ToolTipAt(QPointF at) const {
    const TChartContent content = Content();
    const auto hit = chart_.PointAt(at, DesignArea(), font(), content);
    if (!hit) {
        return {};
    }
    const TChartPoint& point = content.curves[hit->curve].points[hit->point];
    const QString step = point.index == kChartLastIndex ? QString::fromUtf8("výsledok")
                                                        : QStringLiteral("i = %1").arg(point.index);
    return QStringLiteral("%1: %2 = %3")
        .arg(step, content.curves[hit->curve].legend, FromUtf8(ErrorText(point.value)));
}
