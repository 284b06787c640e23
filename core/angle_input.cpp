#include "angle_input.h"

#include "conversions.h"

TAngleOutcome ParseAngle(std::string_view text, int unitIndex) {
    long double v = 0.0L;
    try {
        v = StrToFloat(text);
    } catch (const EConvertError&) {
        return {TAngleOutcome::NotANumber};
    }
    const long double theta = unitIndex == kUnitDegrees ? (v * kPiDouble) * kOneOver180 : v;
    // Written so that a NaN, were one ever to arrive, is refused too.
    if (theta < -kHalfPiDouble || !(theta <= kHalfPiDouble)) {
        return {TAngleOutcome::OutOfRange};
    }
    return {TAngleOutcome::Ok, theta};
}
