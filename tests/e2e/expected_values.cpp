// Prints what the window must show after a run of one angle, computed with the program's own
// core: the outcome of the angle text, both trace panels, the four result fields and the end
// points of the last plot frame's green radius and red vector; and what the step view's table
// must show, from a rotation loop of its own (StepTableRows), so that the table is checked
// against more than the core that fills it.
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
//   row I<TAB>SMER<TAB>ATAN<TAB>Z<TAB>X<TAB>Y<TAB>EX<TAB>EY
//        (55 lines: the step table's cells, steps 0 .. 53 and the result row "výsledok")
#include "angle_input.h"
#include "conversions.h"
#include "cordic.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
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

constexpr int kSteps = 54;

// A distance in the error columns: three significant digits, "0" for an exact zero.
std::string ErrorCell(long double error) {
    if (error == 0.0L) {
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2Le", error);
    return buffer;
}

std::string RowLine(const std::string& i, const std::string& smer, const std::string& atan,
                    long double z, long double x, long double y, long double theta) {
    return "row " + i + "\t" + smer + "\t" + atan + "\t" + FloatToStr(z) + "\t" + FloatToStr(x) +
           "\t" + FloatToStr(y) + "\t" + ErrorCell(fabsl(x - cosl(theta))) + "\t" +
           ErrorCell(fabsl(y - sinl(theta))) + "\n";
}

// The step table of a run to theta: CORDIC in rotation mode written out plainly. The start x is
// the gain K, the product of 1 / sqrt(1 + 2^-2i) over the 54 steps. Each step's row shows the
// state before its update, the direction ("+" while z >= 0, else "−", U+2212) and the step's
// angle atan 2^-i; the result row shows the state after the last update.
std::string StepTableRows(long double theta) {
    long double k = 1.0L;
    for (int i = 0; i < kSteps; ++i) {
        k *= 1.0L / sqrtl(1.0L + powl(2.0L, -2.0L * i));
    }
    long double x = k;
    long double y = 0.0L;
    long double z = theta;
    std::string rows;
    for (int i = 0; i < kSteps; ++i) {
        const long double sigma = z >= 0.0L ? 1.0L : -1.0L;
        const long double t = powl(2.0L, -static_cast<long double>(i));
        const long double angle = atanl(t);
        rows += RowLine(IntToStr(i), sigma > 0 ? "+" : "\u2212", FloatToStr(angle), z, x, y, theta);
        const long double xNext = x - sigma * t * y;
        const long double yNext = y + sigma * t * x;
        x = xNext;
        y = yNext;
        z -= sigma * angle;
    }
    return rows + RowLine("v\u00fdsledok", "", "", z, x, y, theta);
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
    std::cout << StepTableRows(theta);
    return 0;
}
