#include "colours.h"

#include <QPalette>

namespace {

struct TShades {
    QColor onLight;
    QColor onDark;
};

TShades ShadesOf(TTableAccent accent) {
    switch (accent) {
    case TTableAccent::Settled:
        return {QColor(0, 100, 0), QColor(110, 220, 110)};
    case TTableAccent::Right:
        return {QColor(0, 120, 0), QColor(110, 220, 110)};
    case TTableAccent::Wrong:
        return {QColor(200, 0, 0), QColor(255, 120, 120)};
    case TTableAccent::Dropped:
        return {QColor(192, 64, 0), QColor(255, 160, 90)};
    case TTableAccent::WrappedRow:
        return {QColor(255, 214, 214), QColor(110, 30, 30)};
    case TTableAccent::GuardBits:
        return {QColor(208, 226, 255), QColor(28, 52, 100)};
    }
    return {kInk, kPaper};
}

// Middle grey: a base below it is dark.
constexpr int kDarkBaseLightness = 128;

} // namespace

QColor TableAccent(TTableAccent accent, const QPalette& palette) {
    const TShades shades = ShadesOf(accent);
    const bool dark = palette.color(QPalette::Base).lightness() < kDarkBaseLightness;
    return dark ? shades.onDark : shades.onLight;
}
