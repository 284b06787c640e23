#include "conversions.h"

#include <cfenv>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The message quotes the text with control characters (a NUL among them) written as \xNN, so
// that the message stays one printable C string.
[[noreturn]] void Refuse(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            quoted += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        } else {
            quoted += c;
        }
    }
    throw EConvertError(quoted + "' is not a valid floating point value");
}

// The "C" locale, so that the decimal point of the process locale never matters.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

// Restores the caller's rounding mode when it leaves scope.
class TRoundToNearest {
public:
    TRoundToNearest() : saved_(std::fegetround()) { std::fesetround(FE_TONEAREST); }
    ~TRoundToNearest() { std::fesetround(saved_); }
    TRoundToNearest(const TRoundToNearest&) = delete;
    TRoundToNearest& operator=(const TRoundToNearest&) = delete;

private:
    int saved_;
};

} // namespace

long double StrToFloat(std::string_view text) {
    std::size_t pos = 0;
    std::size_t end = text.size();
    while (pos < end && IsBlank(text[pos])) {
        ++pos;
    }
    while (end > pos && IsBlank(text[end - 1])) {
        --end;
    }

    // Copy the number in the one form strtold_l reads unambiguously:
    // [-]digits[.digits][e[-]digits].
    std::string normal;
    normal.reserve(end - pos + 1);
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            normal.push_back('-');
        }
        ++pos;
    }
    bool anyDigit = false;
    bool separator = false;
    for (; pos < end; ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            anyDigit = true;
            normal.push_back(c);
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            normal.push_back('.');
        } else {
            break;
        }
    }
    if (!anyDigit) {
        Refuse(text);
    }
    if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
        normal.push_back('e');
        ++pos;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
            normal.push_back(text[pos]);
            ++pos;
        }
        const std::size_t digitsFrom = pos;
        while (pos < end && IsDigit(text[pos])) {
            normal.push_back(text[pos]);
            ++pos;
        }
        if (pos == digitsFrom) {
            Refuse(text);
        }
    }
    if (pos != end) {
        Refuse(text);
    }

    // glibc's strtold rounds correctly for any number of digits; it reports overflow and
    // underflow through errno, but its value (infinity, subnormal, zero) is the one we want.
    const TRoundToNearest nearest;
    return strtold_l(normal.c_str(), nullptr, CLocale());
}

std::string FloatToStr(long double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0.0L) {
        return "0";
    }
    // Shortest round trip; the longest extended text is well under 64 characters.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string IntToStr(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
