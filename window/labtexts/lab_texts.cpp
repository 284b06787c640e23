#include "lab_texts.h"

#include "conversions.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr int kWindowDigits = 3;
// The plain decimals span 10^kLowestPlain .. below 10^(digits + 1).
constexpr int kLowestPlain = -3;
// Pi needs two integer bits and the sign: a word with fewer integer bits cannot fold.
constexpr std::int32_t kIntegerBitsForPi = 3;
// The linear alpha_0 = 1 and the hyperbolic gain K' > 1.15 need one integer bit and the sign.
constexpr std::int32_t kIntegerBitsForConstants = 2;
// The bound of the linear and hyperbolic rotation's argument.
constexpr const char* kArgumentBound = " musí byť od −4 do 4";

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

// Drops the trailing zeros of the significand of a scientific text ("1.50e-4" -> "1.5e-4").
std::string TrimSignificand(const std::string& text) {
    const std::size_t e = text.find('e');
    if (e == std::string::npos) {
        return TrimZeros(text);
    }
    return TrimZeros(text.substr(0, e)) + text.substr(e);
}

struct TResultNames {
    const char* first;
    const char* second;
    const char* third;
};

// By system (Circular, Linear, Hyperbolic), then mode (Rotation, Vectoring).
constexpr TResultNames kResultNames[3][2] = {
    {{"cos θ", "sin θ", ""}, {"uhol", "dĺžka", ""}},
    {{"b + a·c", "a", ""}, {"y / x", "x", ""}},
    {{"cosh t", "sinh t", "exp t"}, {"atanh(y / x)", "dĺžka", ""}},
};

const TResultNames& ResultNames(const TLabSetup& setup) {
    return kResultNames[static_cast<std::size_t>(setup.system)]
                       [static_cast<std::size_t>(setup.mode)];
}

bool BeyondRightHalf(const TLabSetup& setup) {
    if (setup.mode == TLabMode::Vectoring) {
        return setup.x0 < 0;
    }
    return fabsl(setup.theta) > std::numbers::pi_v<long double> / 2;
}

} // namespace

std::string SignificantText(long double value, int digits) {
    if (value == 0.0L || !std::isfinite(value)) {
        return FloatToStr(value);
    }
    // The exponent after rounding to the digits: 9.996 is 1.00e+01 in three.
    const std::string scientific = Format(value, std::chars_format::scientific, digits - 1);
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    if (exponent < kLowestPlain || exponent > digits) {
        return scientific.substr(0, e) + "e" + std::to_string(exponent);
    }
    if (exponent == digits) {
        // One integer digit more than the rounding kept: the value rounded to an integer.
        return Format(value, std::chars_format::fixed, 0);
    }
    // The same digits in plain decimals, the point moved by the exponent.
    std::string significand;
    for (const char c : scientific.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            significand += c;
        }
    }
    const std::string sign = value < 0 ? "-" : "";
    if (exponent < 0) {
        return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') +
               significand;
    }
    const auto integers = static_cast<std::size_t>(exponent) + 1;
    const std::string fraction = significand.substr(integers);
    return sign + significand.substr(0, integers) + (fraction.empty() ? "" : "." + fraction);
}

std::string ThreeDigits(long double value) {
    return TrimSignificand(SignificantText(value, kWindowDigits));
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

std::string LabFirstName(const TLabSetup& setup) {
    return ResultNames(setup).first;
}

std::string LabSecondName(const TLabSetup& setup) {
    return ResultNames(setup).second;
}

std::string LabThirdName(const TLabSetup& setup) {
    return ResultNames(setup).third;
}

std::string LabThetaName(const TLabSetup& setup) {
    switch (setup.system) {
    case TLabSystem::Linear:
        return "c";
    case TLabSystem::Hyperbolic:
        return "t";
    case TLabSystem::Circular:
        break;
    }
    return "Uhol";
}

std::string LabXName(const TLabSetup& setup) {
    const bool factors = setup.system == TLabSystem::Linear && setup.mode == TLabMode::Rotation;
    return factors ? "a" : "x";
}

std::string LabYName(const TLabSetup& setup) {
    const bool factors = setup.system == TLabSystem::Linear && setup.mode == TLabMode::Rotation;
    return factors ? "b" : "y";
}

std::string LabRefusalText(TLabRefusal refusal, const TLabSetup& setup, bool degrees) {
    const bool circular = setup.system == TLabSystem::Circular;
    const bool rotation = setup.mode == TLabMode::Rotation;
    const std::int32_t integerBits = setup.wordBits - setup.fractionBits;
    switch (refusal) {
    case TLabRefusal::None:
        return {};
    case TLabRefusal::BadSetup:
        return "Nastavenie mimo rozsahu: 1 až 64 krokov, slovo 8 až 64 bitov, desatinné bity 0 až "
               "W − 1, strážne bity 0 až 16, W + G najviac 64";
    case TLabRefusal::OutOfDomain:
        if (!rotation) {
            return "Bod musí ležať medzi asymptotami: x > |y|";
        }
        if (!circular) {
            return LabThetaName(setup) + kArgumentBound;
        }
        return degrees ? "Uhol musí byť od −180° do 180°" : "Uhol musí byť od −π do π";
    case TLabRefusal::DoesNotFit:
        if (setup.arithmetic != TLabArithmetic::Fixed) {
            return "Hodnota sa do formátu nezmestí";
        }
        if (circular && integerBits < kIntegerBitsForPi && BeyondRightHalf(setup)) {
            return "Na prehnutie treba π, ktoré sa do slova nezmestí";
        }
        if (!circular && integerBits < kIntegerBitsForConstants) {
            return "Konštanty sústavy sa do slova nezmestia: treba aspoň 2 celé bity";
        }
        return "Hodnota sa do slova nezmestí";
    case TLabRefusal::Origin:
        return circular ? "Bod (0, 0) nemá uhol" : "Nulou sa deliť nedá: x je 0";
    }
    return {};
}
