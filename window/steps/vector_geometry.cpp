#include "vector_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace {

constexpr std::string_view kPlus = "+";
constexpr std::string_view kMinus = "\u2212";
constexpr std::string_view kOpen = "?";
constexpr int kCaptionDigits = 6;

} // namespace

double RegionAspect() {
    return static_cast<double>((kRegionRight - kRegionLeft) / (kRegionTop - kRegionBottom));
}

TViewPoint RegionPoint(long double x, long double y) {
    return {(x - kRegionLeft) / (kRegionRight - kRegionLeft),
            (kRegionTop - y) / (kRegionTop - kRegionBottom)};
}

std::optional<TStepTurn> StepTurn(const TStepRow& row) {
    if (row.isResult) {
        return std::nullopt;
    }
    TStepTurn turn;
    turn.from = atan2l(row.y, row.x);
    turn.angle = row.atan;
    turn.sign = row.z >= 0.0L ? 1 : -1;
    turn.to = turn.from + static_cast<long double>(turn.sign) * turn.angle;
    return turn;
}

long double TurnMarkSweep(long double angle, double radiusPixels, double leastLength) {
    if (!(radiusPixels > 0.0)) {
        return angle;
    }
    return std::max(angle, static_cast<long double>(leastLength / radiusPixels));
}

TViewPoint RegionPointAt(long double angle, long double radius) {
    return RegionPoint(radius * cosl(angle), radius * sinl(angle));
}

std::string TurnCaption(const TStepRow& row, bool hidden) {
    const std::optional<TStepTurn> turn = StepTurn(row);
    if (!turn) {
        return "v\u00fdsledok";
    }
    const std::string_view sign = hidden ? kOpen : turn->sign > 0 ? kPlus : kMinus;
    char angle[32];
    const auto converted = std::to_chars(angle, angle + sizeof angle, turn->angle,
                                         std::chars_format::general, kCaptionDigits);
    std::string caption = "krok " + std::to_string(row.i) + ": ";
    caption.append(sign);
    caption += "atan 2^-" + std::to_string(row.i) + " = ";
    caption.append(sign);
    caption.append(angle, converted.ptr);
    caption += " rad";
    return caption;
}

namespace {

std::string SixDigits(long double value) {
    char text[32];
    const auto converted =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, kCaptionDigits);
    std::string written(text, converted.ptr);
    if (written.starts_with('-')) {
        written.replace(0, 1, kMinus);
    }
    return written;
}

} // namespace

std::string PictureCaption(long double theta, const TStepRow& row) {
    const long double degrees = theta * 180.0L / std::numbers::pi_v<long double>;
    return "\u03b8 = " + SixDigits(theta) + " rad (" + SixDigits(degrees) + "\u00b0), " +
           (row.isResult ? std::string("v\u00fdsledok") : "krok " + std::to_string(row.i));
}
