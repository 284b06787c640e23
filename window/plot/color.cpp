#include "color.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <iterator>

namespace {

// Stands in for clBtnFace without a QGuiApplication (no palette to ask): the light grey
// RGB(240, 240, 240) that Windows uses for button faces by default.
constexpr QRgb kFallbackBtnFace = qRgb(240, 240, 240);
constexpr QRgb kFallbackSystemColor = qRgb(0, 0, 0);

struct TSystemColorRole {
    TColor index;
    QPalette::ColorRole role;
};

// The Windows COLOR_* indices that have a palette counterpart.
constexpr TSystemColorRole kSystemColorRoles[] = {
    {5, QPalette::Base},             // COLOR_WINDOW
    {8, QPalette::WindowText},       // COLOR_WINDOWTEXT
    {13, QPalette::Highlight},       // COLOR_HIGHLIGHT
    {14, QPalette::HighlightedText}, // COLOR_HIGHLIGHTTEXT
    {15, QPalette::Button},          // COLOR_BTNFACE
    {18, QPalette::ButtonText},      // COLOR_BTNTEXT
};

QRgb SystemColorToRgb(TColor index) {
    const auto* entry = std::find_if(
        std::begin(kSystemColorRoles), std::end(kSystemColorRoles),
        [index](const TSystemColorRole& candidate) { return candidate.index == index; });
    if (qGuiApp == nullptr || entry == std::end(kSystemColorRoles)) {
        return index == (clBtnFace & ~kSystemColorFlag) ? kFallbackBtnFace : kFallbackSystemColor;
    }
    return QGuiApplication::palette().color(QPalette::Active, entry->role).rgb();
}

} // namespace

QRgb ColorToRgb(TColor color) {
    if ((color & kSystemColorFlag) != 0) {
        return SystemColorToRgb(color & ~kSystemColorFlag);
    }
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}
