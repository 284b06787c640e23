// Prints what the window must show after a run of one angle, computed with the program's own
// core: the outcome of the angle text, both trace panels, the four result fields and the end
// points of the last plot frame's green radius and red vector.
//
// Usage: e2e_expected_values TEXT UNIT WIDTH HEIGHT
//   TEXT   the angle text (UTF-8) as typed into the angle field
//   UNIT   0 for degrees, 1 for radians (the unit choice's index)
//   WIDTH, HEIGHT  the plot's size in pixels
// Output, one item a line, "key value":
//   outcome ok|not-a-number|out-of-range
// and for ok only:
//   memo1 I:X  (54 lines)    memo2 I:Y  (54 lines)
//   cos TEXT   sin TEXT   kcos TEXT   ksin TEXT
//   centre CX CY   green X Y   red X Y   (red: the frame of the last step)
//   step I X Y  (54 lines: the red vector's end in the frame of step I)
#include "angle_input.h"
#include "conversions.h"
#include "cordic.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

struct TPoint {
    std::int64_t x;
    std::int64_t y;
};

// The end point of a radius to (c, s) on the unit circle, scaled to a plot centred at (cx, cy):
// trunc(cx * (1 + c)), trunc(cy * (1 - s)) in extended precision.
TPoint PlotPoint(int cx, int cy, long double c, long double s) {
    return {static_cast<std::int64_t>(truncl(cx * (1.0L + c))),
            static_cast<std::int64_t>(truncl(cy * (1.0L - s)))};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: e2e_expected_values TEXT UNIT WIDTH HEIGHT\n";
        return 2;
    }
    const std::string text = argv[1];
    const int unit = std::atoi(argv[2]);
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);

    const TAngleOutcome outcome = ParseAngle(text, unit);
    if (outcome.kind == TAngleOutcome::NotANumber) {
        std::cout << "outcome not-a-number\n";
        return 0;
    }
    if (outcome.kind == TAngleOutcome::OutOfRange) {
        std::cout << "outcome out-of-range\n";
        return 0;
    }
    const long double theta = outcome.theta;
    std::cout << "outcome ok\n";

    const int cx = width / 2;
    const int cy = height / 2;
    std::string memo1;
    std::string memo2;
    std::string frames;
    TCordicStep last{};
    const TCordicResult result = CordicRotate(theta, [&](const TCordicStep& step) {
        memo1 += "memo1 " + IntToStr(step.i) + ":" + FloatToStr(step.x) + "\n";
        memo2 += "memo2 " + IntToStr(step.i) + ":" + FloatToStr(step.y) + "\n";
        const TPoint red = PlotPoint(cx, cy, step.x, step.y);
        frames += "step " + IntToStr(step.i) + " " + IntToStr(red.x) + " " + IntToStr(red.y) + "\n";
        last = step;
    });
    std::cout << memo1 << memo2 << frames;
    std::cout << "cos " << FloatToStr(result.x) << "\n";
    std::cout << "sin " << FloatToStr(result.y) << "\n";
    std::cout << "kcos " << FloatToStr(cosl(theta)) << "\n";
    std::cout << "ksin " << FloatToStr(sinl(theta)) << "\n";

    // The green radius uses the double-precision library functions of theta rounded to double.
    const auto thetaDouble = static_cast<double>(theta);
    const TPoint green = PlotPoint(cx, cy, std::cos(thetaDouble), std::sin(thetaDouble));
    const TPoint red = PlotPoint(cx, cy, last.x, last.y);
    std::cout << "centre " << cx << " " << cy << "\n";
    std::cout << "green " << green.x << " " << green.y << "\n";
    std::cout << "red " << red.x << " " << red.y << "\n";
    return 0;
}
