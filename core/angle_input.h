#pragma once

#include "extended.h"

#include <numbers>
#include <string_view>

// The double-precision pi widened to extended (significand 0xC90FDAA22168C000), not the
// extended-precision pi: degree values are converted with it.
inline constexpr long double kPiDouble = std::numbers::pi_v<double>;
// 1/180 rounded to extended precision (significand 0xB60B60B60B60B60B).
inline constexpr long double kOneOver180 = 1.0L / 180.0L;
// The largest accepted angle h: the double-precision pi/2 widened, exactly kPiDouble / 2.
inline constexpr long double kHalfPiDouble = kPiDouble / 2.0L;

// Unit choice: 0 is degrees; every other index (radians, or nothing selected) is radians.
inline constexpr int kUnitDegrees = 0;
inline constexpr int kUnitRadians = 1;

// What the angle text and unit turn into. `theta` is meaningful only for Ok.
struct TAngleOutcome {
    enum Kind { Ok, NotANumber, OutOfRange };
    Kind kind = NotANumber;
    long double theta = 0.0L;

    friend bool operator==(const TAngleOutcome&, const TAngleOutcome&) = default;
};

// Converts `text` (UTF-8, read by StrToFloat) in the unit `unitIndex` into radians.
// Ok for -h <= theta <= h, both bounds included; NotANumber when StrToFloat refuses the text;
// OutOfRange otherwise, also for values that overflow to infinity in the degree conversion.
// Failures other than the conversion's EConvertError propagate.
TAngleOutcome ParseAngle(std::string_view text, int unitIndex);
