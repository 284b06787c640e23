#include "lab_cells.h"

#include "conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr std::array<std::string_view, kLabFixedColumns> kHeaders = {
    "i", "smer", "x", "y", "z", "x (bity)", "y (bity)", "z (bity)"};

// The most significant digits an extended value needs to read back exactly.
constexpr int kMostDigits = 21;

// `value` rounded to the format: what a text read back must equal.
long double InFormat(long double value, const TLabSetup& setup) {
    switch (setup.arithmetic) {
    case TLabArithmetic::Double:
        return static_cast<double>(value);
    case TLabArithmetic::Single:
        return static_cast<float>(value);
    case TLabArithmetic::Fixed:
        return roundl(ldexpl(value, setup.fractionBits));
    case TLabArithmetic::Extended:
        break;
    }
    return value;
}

// `value` with `digits` significant digits, in scientific notation.
std::string Scientific(long double value, int digits) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, digits - 1);
    return std::string(buffer, result.ptr);
}

// The fewest digits that read back to the same value in the format. The text is then the
// shortest text of the extended value those digits read as: it has no more digits and reads
// back to that same extended value.
std::string ShortestInFormat(long double value, const TLabSetup& setup) {
    const long double wanted = InFormat(value, setup);
    for (int digits = 1; digits < kMostDigits; ++digits) {
        const long double read = StrToFloat(Scientific(value, digits));
        if (InFormat(read, setup) == wanted) {
            return FloatToStr(read);
        }
    }
    return FloatToStr(value);
}

} // namespace

int LabColumnCount(TLabArithmetic arithmetic) {
    return arithmetic == TLabArithmetic::Fixed ? kLabFixedColumns : kLabFloatColumns;
}

std::string_view LabColumnHeader(int column) {
    return kHeaders.at(static_cast<std::size_t>(column));
}

std::string LabValueText(long double value, const TLabSetup& setup) {
    if (!std::isfinite(value) || value == 0.0L || setup.arithmetic == TLabArithmetic::Extended) {
        return FloatToStr(value);
    }
    return ShortestInFormat(value, setup);
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

std::int32_t LabDroppedBits(const TLabState& state, int column, std::int32_t wordBits) {
    if ((column != kLabColumnXBits && column != kLabColumnYBits) || state.sigma == 0) {
        return 0;
    }
    return std::min(state.i, wordBits);
}

std::size_t LabDroppedStart(std::int32_t dropped, std::int32_t wordBits,
                            std::int32_t fractionBits) {
    const auto length = static_cast<std::size_t>(wordBits) + 1;
    if (dropped <= 0) {
        return length;
    }
    // The dot stands after the last integer bit: among the dropped ones once they reach past F.
    const std::size_t dotInside = dropped > fractionBits ? 1 : 0;
    return length - static_cast<std::size_t>(dropped) - dotInside;
}

std::string LabCellText(const TLabState& state, int column, const TLabSetup& setup) {
    const std::int32_t w = setup.wordBits;
    const std::int32_t f = setup.fractionBits;
    switch (column) {
    case kLabColumnIndex:
        return IntToStr(state.i);
    case kLabColumnSigma:
        return state.sigma > 0 ? "+" : state.sigma < 0 ? "\u2212" : "";
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
