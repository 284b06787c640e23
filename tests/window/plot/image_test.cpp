#include "image.h"
#include "plot.h"
#include "raster_checks.h"

#include <gtest/gtest.h>

namespace {

// Asked of the palette only once the application exists.
QRgb Background() {
    return ColorToRgb(clBtnFace);
}
const QRgb kRed = qRgb(255, 0, 0);

// A TImage at the plot's design geometry, as the window's layout places it.
struct TPlacedImage {
    TPlacedImage() {
        image.setGeometry(16, 24, 200, 200);
        ClearPlot(image.Canvas(), 200, 200);
        DrawStepFrame(image.Canvas(), 0.5L, 0.6L, 0.3L, 100, 100);
    }
    TImage image;
};

TEST(TImageTest, PictureFollowsTheWidgetSizeBeforeItIsShown) {
    TPlacedImage placed;
    EXPECT_EQ(placed.image.Picture().size(), QSize(200, 200));
    EXPECT_EQ(placed.image.Picture().pixel(0, 0), Background());
}

TEST(TImageTest, ResizingKeepsTheDrawingAndFillsNewPartsWithTheBackground) {
    TPlacedImage placed;
    const QImage before = placed.image.Picture();
    placed.image.resize(260, 230);
    const QImage& grown = placed.image.Picture();
    ASSERT_EQ(grown.size(), QSize(260, 230));
    EXPECT_EQ(grown.copy(0, 0, 200, 200), before);
    EXPECT_EQ(grown.pixel(259, 229), Background());
    EXPECT_EQ(grown.pixel(230, 50), Background());

    placed.image.resize(120, 110);
    EXPECT_EQ(placed.image.Picture(), before.copy(0, 0, 120, 110));
}

TEST(TImageTest, PaintingShowsThePersistentImage) {
    TPlacedImage placed;
    const QImage shown = placed.image.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, placed.image.Picture());
    // Painting again, as after being covered and uncovered, shows the same.
    EXPECT_EQ(placed.image.grab().toImage().convertToFormat(QImage::Format_RGB32), shown);
}

// At two device pixels per design pixel every design pixel becomes a uniform 2 x 2 block:
// no smoothing blends the lines into the background.
TEST(TImageTest, HighDensityScalingKeepsPixelsCrisp) {
    TPlacedImage placed;
    QImage device(400, 400, QImage::Format_RGB32);
    device.setDevicePixelRatio(2.0);
    device.fill(Qt::white);
    placed.image.render(&device);
    const QImage& picture = placed.image.Picture();
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            ASSERT_EQ(device.pixel(x, y), picture.pixel(x / 2, y / 2)) << Describe({x, y});
        }
    }
    EXPECT_EQ(picture.pixel(100, 100), kRed);
}

} // namespace
