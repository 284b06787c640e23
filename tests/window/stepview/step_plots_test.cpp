#include "angle_input.h"
#include "colours.h"
#include "convergence_chart.h"
#include "cordic.h"
#include "magnifier.h"
#include "step_rows.h"
#include "vector_plot.h"

#include <QImage>
#include <QRect>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace {

const long double kThirtyDegrees = ParseAngle("30", kUnitDegrees).theta;

// The rows of a run to theta that has reached `count` rows (55: complete with the result).
TStepRows RunRows(long double theta, std::size_t count = kCordicSteps + 1) {
    TStepRows rows;
    rows.Start(theta);
    const TCordicResult result = CordicRotate(theta, [&](const TCordicStep& step) {
        if (rows.Count() < count) {
            rows.AddStep(step);
        }
    });
    if (rows.Count() < count) {
        rows.AddResult(result);
    }
    return rows;
}

// A painted pixel of `colour`, anti-aliased edges aside.
bool Near(QRgb pixel, QColor colour, int tolerance = 30) {
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// The pixels of `colour` inside `area`: their bounding box and mean position.
struct TBlob {
    QRect box;
    QPointF centre;
    int count = 0;
};

TBlob FindColour(const QImage& image, QColor colour, QRect area) {
    TBlob blob;
    double sumX = 0;
    double sumY = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Near(image.pixel(x, y), colour)) {
                blob.box |= QRect(x, y, 1, 1);
                sumX += x;
                sumY += y;
                ++blob.count;
            }
        }
    }
    if (blob.count > 0) {
        blob.centre = QPointF(sumX / blob.count, sumY / blob.count);
    }
    return blob;
}

const QColor kTipRed(255, 0, 0);

QImage Paint(QWidget& widget, QSize size) {
    widget.resize(size);
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where the red tip dot of a 30-degree run lies in a 240 x 240 magnifier, from the run's
// offsets (x - cos theta, y - sin theta) in widths: the view square is 230 pixels wide at
// (5, 5). The mean pixel index lies half a pixel before the exact point.
struct TipCase {
    const char* name;
    int shownIndex;
    QPointF pixel;
};

void PrintTo(const TipCase& c, std::ostream* os) {
    *os << c.name;
}

class MagnifierTipTest : public testing::TestWithParam<TipCase> {};

TEST_P(MagnifierTipTest, RedDotSitsAtTheShownRowsTip) {
    const TStepRows rows = RunRows(kThirtyDegrees);
    TMagnifier magnifier;
    magnifier.SetRows(&rows);
    magnifier.ShowRow(GetParam().shownIndex);
    const QImage image = Paint(magnifier, QSize(240, 240));
    const TBlob tip = FindColour(image, kTipRed, image.rect());
    ASSERT_GT(tip.count, 0);
    EXPECT_NEAR(tip.centre.x(), GetParam().pixel.x(), 1.0);
    EXPECT_NEAR(tip.centre.y(), GetParam().pixel.y(), 1.0);
    EXPECT_LE(tip.box.width(), 9);
    EXPECT_LE(tip.box.height(), 9);
}

INSTANTIATE_TEST_SUITE_P(
    ThirtyDegrees, MagnifierTipTest,
    testing::Values(
        // (K, 0) in a view pi wide: offsets (-0.0824, -0.1592) widths.
        TipCase{"FirstStep", 0, {100.55, 156.11}},
        // Offsets (-0.0378, 0.0662) of 4.4e-16: 9 and 15 pixels from the centre.
        TipCase{"LastStepResolvedOffTheCentre", 53, {110.80, 104.27}},
        // The newest row is the result: offsets (0.1743, -0.3005) of 2.2e-16.
        TipCase{"IndexBeyondTheRowsShowsTheNewest", 400, {159.59, 188.62}}),
    [](const auto& info) { return std::string(info.param.name); });

// -1, the default, follows the newest row while the run goes on.
TEST(MagnifierTest, FollowsALiveRunToItsNewestRow) {
    const TStepRows partRows = RunRows(kThirtyDegrees, 54);
    TMagnifier magnifier;
    magnifier.SetRows(&partRows);
    const TBlob tip = FindColour(Paint(magnifier, QSize(240, 240)), kTipRed, QRect(0, 0, 240, 240));
    EXPECT_NEAR(tip.centre.x(), 110.80, 1.0);
    EXPECT_NEAR(tip.centre.y(), 104.27, 1.0);
}

TEST(MagnifierTest, WideWidgetDrawsTheSquareCentredAndLeavesTheSidesBlankPaper) {
    const TStepRows rows = RunRows(kThirtyDegrees);
    TMagnifier magnifier;
    magnifier.SetRows(&rows);
    magnifier.ShowRow(53);
    const QImage image = Paint(magnifier, QSize(400, 240));
    for (int y = 0; y < 240; ++y) {
        for (int x : {0, 40, 79, 321, 360, 399}) {
            ASSERT_EQ(image.pixel(x, y), kPaper.rgb()) << x << ", " << y;
        }
    }
    const TBlob tip = FindColour(image, kTipRed, image.rect());
    EXPECT_NEAR(tip.centre.x(), 190.80, 1.0);
    EXPECT_NEAR(tip.centre.y(), 104.27, 1.0);
}

TEST(MagnifierTest, WithoutRowsShowsNoTip) {
    TMagnifier magnifier;
    EXPECT_EQ(FindColour(Paint(magnifier, QSize(240, 240)), kTipRed, QRect(0, 0, 240, 240)).count,
              0);
}

// Step 0 of a run to 0: x = K, y = 0, so |y - sin 0| is exactly zero and goes on the floor,
// hollow, while |x - cos 0| = 0.39 is a filled marker near the top. Only the left part of the
// chart is searched: the legend on the right shows both markers as well.
TEST(ConvergenceChartTest, ZeroErrorIsAHollowMarkerOnTheFloor) {
    const TStepRows rows = RunRows(0.0L, 1);
    ASSERT_EQ(rows.Row(0).errorY, 0.0L);
    TConvergenceChart chart;
    chart.SetRows(&rows);
    const QImage image = Paint(chart, QSize(360, 240));
    const QRect leftPart(0, 0, 120, 240);

    const TBlob errorX = FindColour(image, QColor(0, 70, 170), leftPart);
    ASSERT_GT(errorX.count, 0);
    EXPECT_LT(errorX.box.bottom(), 60);
    EXPECT_TRUE(Near(image.pixel(errorX.box.center()), QColor(0, 70, 170)));

    const TBlob errorY = FindColour(image, QColor(220, 100, 0), leftPart);
    ASSERT_GT(errorY.count, 0);
    EXPECT_GT(errorY.box.top(), 180);
    EXPECT_LE(errorY.box.width(), 8);
    EXPECT_FALSE(Near(image.pixel(errorY.box.center()), QColor(220, 100, 0), 100));
}

// Painted at its design size with the painter scaled, the vector plot at 300 % in three times
// the room is the picture at 100 % three times as large: the red tip sits three times as far
// from the corner and is three times as wide.
TEST(VectorPlotTest, ContentScalesWithTheZoom) {
    const TStepRows rows = RunRows(kThirtyDegrees);
    TVectorPlot plot;
    plot.SetRows(&rows);
    plot.ShowRow(3);
    const TBlob design = FindColour(Paint(plot, QSize(300, 460)), kTipRed, QRect(0, 0, 300, 460));
    plot.SetZoom(3.0);
    const TBlob zoomed = FindColour(Paint(plot, QSize(900, 1380)), kTipRed, QRect(0, 0, 900, 1380));
    ASSERT_GT(design.count, 0);
    EXPECT_NEAR(zoomed.centre.x(), 3 * design.centre.x() + 1, 1.5);
    EXPECT_NEAR(zoomed.centre.y(), 3 * design.centre.y() + 1, 1.5);
    EXPECT_NEAR(zoomed.box.width(), 3 * design.box.width(), 3);
}

// Plots are paper: under Debian's dark scheme (adwaita-qt6) they stay white with their own
// colours, though the scheme's window and base are dark.
TEST(PaperTest, PlotsStayWhiteUnderADarkScheme) {
    const std::unique_ptr<QStyle> dark(QStyleFactory::create(QStringLiteral("Adwaita-Dark")));
    ASSERT_NE(dark, nullptr) << "adwaita-qt6 is not installed";
    const QPalette scheme = dark->standardPalette();
    ASSERT_LT(scheme.color(QPalette::Window).lightness(), 100);
    ASSERT_LT(scheme.color(QPalette::Base).lightness(), 100);
    const TStepRows rows = RunRows(kThirtyDegrees);
    TVectorPlot plot;
    TConvergenceChart chart;
    TMagnifier magnifier;
    for (TStepPlot* painted : std::initializer_list<TStepPlot*>{&plot, &chart, &magnifier}) {
        painted->setStyle(dark.get());
        painted->setPalette(scheme);
        painted->SetRows(&rows);
        const QImage image = Paint(*painted, painted->sizeHint());
        EXPECT_EQ(image.pixel(1, 1), kPaper.rgb()) << painted->accessibleName().toStdString();
        EXPECT_EQ(image.pixel(image.width() - 2, image.height() - 2), kPaper.rgb())
            << painted->accessibleName().toStdString();
    }
    EXPECT_GT(FindColour(Paint(plot, plot.sizeHint()), kTipRed, QRect(0, 0, 300, 460)).count, 0);
}

} // namespace
