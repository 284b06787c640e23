#include "lab_texts.h"

#include "conversions.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr int kDigits = 3;
// The plain decimals span 10^kLowestPlain .. below 10^kFirstScientific.
constexpr int kLowestPlain = -3;
constexpr int kFirstScientific = 4;
// Pi needs two integer bits and the sign: a word with fewer integer bits cannot fold.
constexpr std::int32_t kIntegerBitsForPi = 3;

// Drops the trailing zeros of a decimal fraction, and its point when nothing follows it.
std::string TrimZeros(std::string text) {
    if (text.find('.') == std::string::npos) {
        return text;
    }
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string Format(long double value, std::chars_format format, int precision) {
    char buffer[80];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

bool BeyondRightHalf(const TLabSetup& setup) {
    if (setup.mode == TLabMode::Vectoring) {
        return setup.x0 < 0;
    }
    return fabsl(setup.theta) > std::numbers::pi_v<long double> / 2;
}

} // namespace

std::string ThreeDigits(long double value) {
    if (value == 0.0L || !std::isfinite(value)) {
        return FloatToStr(value);
    }
    // The exponent after rounding to three digits: 9.996 is 1.00e+01.
    const std::string scientific = Format(value, std::chars_format::scientific, kDigits - 1);
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    if (exponent >= kLowestPlain && exponent < kFirstScientific) {
        const int decimals = exponent >= kDigits - 1 ? 0 : kDigits - 1 - exponent;
        return TrimZeros(Format(value, std::chars_format::fixed, decimals));
    }
    return TrimZeros(scientific.substr(0, e)) + "e" + std::to_string(exponent);
}

std::string LabErrorLine(long double value, long double exact, long double unit) {
    const long double error = fabsl(value - exact);
    return "|chyba| = " + ThreeDigits(error) + " = " + ThreeDigits(error / unit) + " u";
}

std::string LabUnitText(const TLabSetup& setup) {
    int exponent = 63;
    switch (setup.arithmetic) {
    case TLabArithmetic::Double:
        exponent = 52;
        break;
    case TLabArithmetic::Single:
        exponent = 23;
        break;
    case TLabArithmetic::Fixed:
        exponent = setup.fractionBits;
        break;
    case TLabArithmetic::Extended:
        break;
    }
    return exponent == 0 ? "u = 1" : "u = 2^-" + std::to_string(exponent);
}

std::string LabFirstName(TLabMode mode) {
    return mode == TLabMode::Rotation ? "cos θ" : "uhol";
}

std::string LabSecondName(TLabMode mode) {
    return mode == TLabMode::Rotation ? "sin θ" : "dĺžka";
}

std::string LabRefusalText(TLabRefusal refusal, const TLabSetup& setup, bool degrees) {
    switch (refusal) {
    case TLabRefusal::None:
        return {};
    case TLabRefusal::BadSetup:
        return "Nastavenie mimo rozsahu: 1 až 64 krokov, slovo 8 až 64 bitov, desatinné bity 0 až "
               "W − 1";
    case TLabRefusal::OutOfDomain:
        return degrees ? "Uhol musí byť od −180° do 180°" : "Uhol musí byť od −π do π";
    case TLabRefusal::DoesNotFit:
        if (setup.arithmetic != TLabArithmetic::Fixed) {
            return "Hodnota sa do formátu nezmestí";
        }
        if (setup.wordBits - setup.fractionBits < kIntegerBitsForPi && BeyondRightHalf(setup)) {
            return "Na prehnutie treba π, ktoré sa do slova nezmestí";
        }
        return "Hodnota sa do slova nezmestí";
    case TLabRefusal::Origin:
        return "Bod (0, 0) nemá uhol";
    }
    return {};
}
