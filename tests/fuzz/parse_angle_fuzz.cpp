// Fuzzes ParseAngle in both units and StrToFloat beneath it. Beyond "no crash, no sanitizer
// report" every input must satisfy:
//  - StrToFloat accepts exactly the texts of its documented syntax (an independent recogniser
//    below), never yields a NaN, and its value does not depend on the blanks around the number,
//    the separator (',' or '.') or the exponent letter's case;
//  - ParseAngle is NotANumber exactly when StrToFloat raises EConvertError;
//  - Ok only for a finite theta with -h <= theta <= h, and then theta is bit for bit the value
//    StrToFloat gives (radians) or (v * pi_d) * (1/180) (degrees); OutOfRange otherwise;
//  - every unit index other than 0 means radians.
#include "angle_input.h"
#include "conversions.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The x87 extended format occupies the first 10 of long double's 16 bytes; the rest is padding.
constexpr std::size_t kExtendedBytes = 10;

bool SameBits(long double a, long double b) {
    unsigned char ba[sizeof(long double)] = {};
    unsigned char bb[sizeof(long double)] = {};
    std::memcpy(ba, &a, kExtendedBytes);
    std::memcpy(bb, &b, kExtendedBytes);
    return std::memcmp(ba, bb, kExtendedBytes) == 0;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The documented number syntax as a state machine, written apart from the conversion:
// blanks* [sign] (digits [sep digits*] | sep digits) [(e|E) [sign] digits] blanks*.
bool IsNumberText(std::string_view text) {
    enum State {
        Lead,
        Sign,
        IntDigits,
        SepNoDigits,
        FracDigits,
        ExpLetter,
        ExpSign,
        ExpDigits,
        Trail
    };
    State state = Lead;
    for (const char c : text) {
        const bool digit = IsDigit(c);
        const bool sign = c == '+' || c == '-';
        const bool sep = c == '.' || c == ',';
        const bool exp = c == 'e' || c == 'E';
        switch (state) {
        case Lead:
            state = IsBlank(c) ? Lead : sign ? Sign : digit ? IntDigits : sep ? SepNoDigits : Trail;
            if (state == Trail) {
                return false;
            }
            break;
        case Sign:
            if (!digit && !sep) {
                return false;
            }
            state = digit ? IntDigits : SepNoDigits;
            break;
        case IntDigits:
            if (digit) {
                break;
            }
            if (sep) {
                state = FracDigits;
            } else if (exp) {
                state = ExpLetter;
            } else if (IsBlank(c)) {
                state = Trail;
            } else {
                return false;
            }
            break;
        case SepNoDigits:
            if (!digit) {
                return false;
            }
            state = FracDigits;
            break;
        case FracDigits:
            if (digit) {
                break;
            }
            if (exp) {
                state = ExpLetter;
            } else if (IsBlank(c)) {
                state = Trail;
            } else {
                return false;
            }
            break;
        case ExpLetter:
            if (!digit && !sign) {
                return false;
            }
            state = digit ? ExpDigits : ExpSign;
            break;
        case ExpSign:
            if (!digit) {
                return false;
            }
            state = ExpDigits;
            break;
        case ExpDigits:
            if (digit) {
                break;
            }
            if (!IsBlank(c)) {
                return false;
            }
            state = Trail;
            break;
        case Trail:
            if (!IsBlank(c)) {
                return false;
            }
            break;
        }
    }
    return state == IntDigits || state == FracDigits || state == ExpDigits || state == Trail;
}

std::optional<long double> TryStrToFloat(std::string_view text) {
    try {
        return StrToFloat(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// A plain integer of at most 19 significant digits is below 2^64 and must be read exactly.
std::optional<long double> ExactInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    int significant = 0;
    for (const char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        if (value != 0 || c != '0') {
            if (++significant > 19) {
                return std::nullopt;
            }
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    const long double exact = static_cast<long double>(value);
    return negative ? -exact : exact;
}

void CheckOutcome(const TAngleOutcome& outcome, const std::optional<long double>& expectedTheta) {
    if (!expectedTheta) {
        FUZZ_CHECK(outcome.kind == TAngleOutcome::NotANumber);
        return;
    }
    const long double t = *expectedTheta;
    if (t >= -kHalfPiDouble && t <= kHalfPiDouble) {
        FUZZ_CHECK(outcome.kind == TAngleOutcome::Ok);
        FUZZ_CHECK(std::isfinite(outcome.theta));
        FUZZ_CHECK(outcome.theta >= -kHalfPiDouble && outcome.theta <= kHalfPiDouble);
        FUZZ_CHECK(SameBits(outcome.theta, t));
    } else {
        FUZZ_CHECK(outcome.kind == TAngleOutcome::OutOfRange);
    }
}

std::string Replaced(std::string text, char from, char to) {
    for (char& c : text) {
        if (c == from) {
            c = to;
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::optional<long double> v = TryStrToFloat(text);
    FUZZ_CHECK(v.has_value() == IsNumberText(text));
    if (v) {
        FUZZ_CHECK(!std::isnan(*v));
        std::string_view core = text;
        while (!core.empty() && IsBlank(core.front())) {
            core.remove_prefix(1);
        }
        while (!core.empty() && IsBlank(core.back())) {
            core.remove_suffix(1);
        }
        FUZZ_CHECK(std::signbit(*v) == (core.front() == '-'));
        if (const auto exact = ExactInteger(core)) {
            FUZZ_CHECK(SameBits(*v, *exact));
        }
        const std::string same[] = {std::string(core), " \t" + std::string(core) + "\t ",
                                    Replaced(std::string(core), ',', '.'),
                                    Replaced(std::string(core), 'e', 'E')};
        for (const std::string& variant : same) {
            const std::optional<long double> w = TryStrToFloat(variant);
            FUZZ_CHECK(w.has_value() && SameBits(*w, *v));
        }
    }

    CheckOutcome(ParseAngle(text, kUnitRadians), v);
    std::optional<long double> degrees;
    if (v) {
        degrees = (*v * kPiDouble) * kOneOver180;
    }
    CheckOutcome(ParseAngle(text, kUnitDegrees), degrees);
    for (const int otherUnit : {-1, 2}) {
        FUZZ_CHECK(ParseAngle(text, otherUnit) == ParseAngle(text, kUnitRadians));
    }
    return 0;
}
