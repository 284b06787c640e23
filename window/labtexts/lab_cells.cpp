#include "lab_cells.h"

#include "conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr std::array<std::string_view, kLabFixedColumns> kHeaders = {
    "i", "smer", "posun", "x", "y", "z", "x (bity)", "y (bity)", "z (bity)"};

// The most significant digits an extended value needs to read back exactly, and so the most an
// exact fixed-point text may have before the shortest one takes its place.
constexpr int kMostDigits = 21;

__extension__ using TWide = unsigned __int128;

// `value` with `digits` significant digits, in scientific notation.
std::string Scientific(long double value, int digits) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, digits - 1);
    return std::string(buffer, result.ptr);
}

// The fewest digits whose reading `keeps` the value. The text is then the shortest text of the
// extended value those digits read as: it has no more digits and reads back to that same value.
template <class Keeps> std::string Shortest(long double value, Keeps keeps) {
    for (int digits = 1; digits < kMostDigits; ++digits) {
        const long double read = StrToFloat(Scientific(value, digits));
        if (keeps(read)) {
            return FloatToStr(read);
        }
    }
    return FloatToStr(value);
}

int SignificantDigits(std::string_view decimal) {
    const std::size_t first = decimal.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    return static_cast<int>(std::count_if(decimal.begin() + static_cast<std::ptrdiff_t>(first),
                                          decimal.end(), [](char c) { return c != '.'; }));
}

// A fixed-point register of `fractionBits` fraction bits holding `value`: its exact decimal, or
// where that is too long the shortest text that fmt at those bits turns back into it.
std::string FixedText(long double value, std::int32_t fractionBits) {
    const auto raw = static_cast<std::int64_t>(ldexpl(value, fractionBits));
    std::string exact = LabExactDecimal(raw, fractionBits);
    if (SignificantDigits(exact) <= kMostDigits) {
        return exact;
    }
    const long double wanted = static_cast<long double>(raw);
    return std::string(kLabApproximately) + Shortest(value, [&](long double read) {
               return roundl(ldexpl(read, fractionBits)) == wanted;
           });
}

std::string FloatingText(long double value, TLabArithmetic arithmetic) {
    if (arithmetic == TLabArithmetic::Double) {
        return Shortest(value, [&](long double read) {
            return static_cast<double>(read) == static_cast<double>(value);
        });
    }
    if (arithmetic == TLabArithmetic::Single) {
        return Shortest(value, [&](long double read) {
            return static_cast<float>(read) == static_cast<float>(value);
        });
    }
    return FloatToStr(value);
}

std::string FormatText(long double value, const TLabSetup& setup, std::int32_t fractionBits) {
    if (!std::isfinite(value) || value == 0.0L) {
        return FloatToStr(value);
    }
    if (setup.arithmetic == TLabArithmetic::Fixed) {
        return FixedText(value, fractionBits);
    }
    return FloatingText(value, setup.arithmetic);
}

std::int32_t RegisterBits(const TLabSetup& setup) {
    return setup.wordBits + setup.guardBits;
}

std::int32_t RegisterFractionBits(const TLabSetup& setup) {
    return setup.fractionBits + setup.guardBits;
}

} // namespace

int LabColumnCount(TLabArithmetic arithmetic) {
    return arithmetic == TLabArithmetic::Fixed ? kLabFixedColumns : kLabFloatColumns;
}

std::string_view LabColumnHeader(int column) {
    return kHeaders.at(static_cast<std::size_t>(column));
}

std::string LabExactDecimal(std::int64_t raw, std::int32_t fractionBits) {
    const auto magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const auto shift = static_cast<unsigned>(fractionBits);
    const std::uint64_t mask = (std::uint64_t{1} << shift) - 1;
    std::string text = raw < 0 ? "-" : "";
    text += std::to_string(magnitude >> shift);
    // Each decimal place: the fraction times ten, whose integer part is the digit.
    TWide fraction = magnitude & mask;
    if (fraction != 0) {
        text += '.';
    }
    while (fraction != 0) {
        fraction *= 10;
        text += static_cast<char>('0' + static_cast<int>(fraction >> shift));
        fraction &= mask;
    }
    return text;
}

std::string LabValueText(long double value, const TLabSetup& setup) {
    return FormatText(value, setup, RegisterFractionBits(setup));
}

std::string LabResultText(long double value, const TLabSetup& setup) {
    return FormatText(value, setup, setup.fractionBits);
}

std::string LabBitsText(std::int64_t raw, std::int32_t wordBits, std::int32_t fractionBits) {
    const auto bits = static_cast<std::uint64_t>(raw);
    std::string text;
    text.reserve(static_cast<std::size_t>(wordBits) + 1);
    for (std::int32_t bit = wordBits - 1; bit >= 0; --bit) {
        text += ((bits >> bit) & 1U) != 0 ? '1' : '0';
        if (bit == fractionBits) {
            text += '.';
        }
    }
    return text;
}

std::int32_t LabDroppedBits(const TLabState& state, int column, const TLabSetup& setup) {
    const bool shifted = column == kLabColumnXBits ||
                         (column == kLabColumnYBits && setup.system != TLabSystem::Linear);
    if (!shifted || state.sigma == 0) {
        return 0;
    }
    return std::min(state.shift, RegisterBits(setup));
}

std::size_t LabDroppedStart(std::int32_t dropped, const TLabSetup& setup) {
    const auto length = static_cast<std::size_t>(RegisterBits(setup)) + 1;
    if (dropped <= 0) {
        return length;
    }
    // The dot stands after the last integer bit: among the dropped ones once they reach past it.
    const std::size_t dotInside = dropped > RegisterFractionBits(setup) ? 1 : 0;
    return length - static_cast<std::size_t>(dropped) - dotInside;
}

std::size_t LabGuardStart(const TLabSetup& setup) {
    return static_cast<std::size_t>(setup.wordBits) + 1;
}

std::string LabCellText(const TLabState& state, int column, const TLabSetup& setup) {
    const std::int32_t w = RegisterBits(setup);
    const std::int32_t f = RegisterFractionBits(setup);
    switch (column) {
    case kLabColumnIndex:
        return IntToStr(state.i);
    case kLabColumnSigma:
        return state.sigma > 0 ? "+" : state.sigma < 0 ? "\u2212" : "";
    case kLabColumnShift:
        return state.sigma == 0 ? "" : IntToStr(state.shift);
    case kLabColumnX:
        return LabValueText(state.x, setup);
    case kLabColumnY:
        return LabValueText(state.y, setup);
    case kLabColumnZ:
        return LabValueText(state.z, setup);
    case kLabColumnXBits:
        return LabBitsText(state.rawX, w, f);
    case kLabColumnYBits:
        return LabBitsText(state.rawY, w, f);
    case kLabColumnZBits:
        return LabBitsText(state.rawZ, w, f);
    default:
        return {};
    }
}

std::string LabTableTsv(const TLabRun& run, const TLabSetup& setup) {
    if (run.states.empty()) {
        return {};
    }
    const int columns = LabColumnCount(setup.arithmetic);
    std::string text;
    for (int column = 0; column < columns; ++column) {
        text += column == 0 ? "" : "\t";
        text += LabColumnHeader(column);
    }
    for (const TLabState& state : run.states) {
        text += '\n';
        for (int column = 0; column < columns; ++column) {
            text += column == 0 ? "" : "\t";
            text += LabCellText(state, column, setup);
        }
    }
    return text;
}
