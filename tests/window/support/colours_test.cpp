#include "colours.h"

#include <QPalette>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

// WCAG's contrast ratio of two colours, from their relative luminance in linear sRGB: 1 for equal
// colours, 21 for black on white.
double Luminance(const QColor& colour) {
    const auto linear = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette Scheme(QColor base, QColor text) {
    QPalette palette;
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    return palette;
}

struct TSchemeCase {
    const char* name;
    QPalette palette;
};

// A light desktop, and Adwaita-Dark's base and text.
const TSchemeCase kSchemes[] = {
    {"light", Scheme(QColor(255, 255, 255), QColor(0, 0, 0))},
    {"dark", Scheme(QColor(45, 45, 45), QColor(238, 238, 236))},
};

// The marks read as text on the base at least as well as WCAG asks of large text (3:1; the
// settled digits are bold), and a wrapped row's and the guard bits' backgrounds keep the base's
// text readable (4.5:1), the guard bits' the dropped bits' mark too (3:1).
TEST(TableAccentTest, StaysReadableOnALightAndADarkBase) {
    for (const TSchemeCase& scheme : kSchemes) {
        const QColor base = scheme.palette.color(QPalette::Base);
        for (const TTableAccent mark : {TTableAccent::Settled, TTableAccent::Right,
                                        TTableAccent::Wrong, TTableAccent::Dropped}) {
            EXPECT_GE(Contrast(TableAccent(mark, scheme.palette), base), 3.0)
                << scheme.name << " " << static_cast<int>(mark);
        }
        for (const TTableAccent background : {TTableAccent::WrappedRow, TTableAccent::GuardBits}) {
            EXPECT_GE(Contrast(TableAccent(background, scheme.palette),
                               scheme.palette.color(QPalette::Text)),
                      4.5)
                << scheme.name << " " << static_cast<int>(background);
        }
        EXPECT_GE(Contrast(TableAccent(TTableAccent::GuardBits, scheme.palette),
                           TableAccent(TTableAccent::Dropped, scheme.palette)),
                  3.0)
            << scheme.name;
    }
}

} // namespace
