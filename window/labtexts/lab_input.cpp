#include "lab_input.h"

#include "angle_input.h"
#include "conversions.h"

std::optional<long double> ReadLabNumber(std::string_view text) {
    try {
        return StrToFloat(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<long double> ReadLabAngle(std::string_view text, bool degrees) {
    const std::optional<long double> v = ReadLabNumber(text);
    if (!v || !degrees) {
        return v;
    }
    return (*v * kPiDouble) * kOneOver180;
}

std::string NotANumberText(std::string_view field) {
    return std::string(field) + " nie je číslo";
}
