#include "plot.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// trunc(value) as a pixel coordinate, held within the int range; NaN gives 0.
int TruncToPixel(long double value) {
    constexpr auto kMin = static_cast<long double>(std::numeric_limits<int>::min());
    constexpr auto kMax = static_cast<long double>(std::numeric_limits<int>::max());
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::trunc(std::clamp(value, kMin, kMax)));
}

// Twice a half size, held within the int range.
int Twice(int half) {
    return half > std::numeric_limits<int>::max() / 2 ? std::numeric_limits<int>::max() : 2 * half;
}

} // namespace

void ClearPlot(TCanvas& canvas, int width, int height) {
    constexpr int kMax = std::numeric_limits<int>::max();
    canvas.SetBrushColor(clBtnFace);
    canvas.Rectangle(-1, -1, width < kMax ? width + 1 : kMax, height < kMax ? height + 1 : kMax);
}

void DrawStepFrame(TCanvas& canvas, long double theta, long double x, long double y, int cx,
                   int cy) {
    canvas.SetBrushColor(clBtnFace);
    canvas.SetPenColor(clBlack);
    canvas.Ellipse(0, 0, Twice(cx), Twice(cy));

    canvas.MoveTo(0, cy);
    canvas.LineTo(Twice(cx), cy);
    canvas.MoveTo(cx, 0);
    canvas.LineTo(cx, Twice(cy));

    const long double cxExt = cx;
    const long double cyExt = cy;

    const double thetaDouble = static_cast<double>(theta);
    const long double cosTheta = std::cos(thetaDouble);
    const long double sinTheta = std::sin(thetaDouble);
    canvas.SetPenColor(clGreen);
    canvas.MoveTo(cx, cy);
    canvas.LineTo(TruncToPixel(cxExt * (1.0L + cosTheta)), TruncToPixel(cyExt * (1.0L - sinTheta)));

    canvas.SetPenColor(clRed);
    canvas.MoveTo(cx, cy);
    canvas.LineTo(TruncToPixel(cxExt * (1.0L + x)), TruncToPixel(cyExt * (1.0L - y)));
}
