#include "step_cells.h"

#include "conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

constexpr std::array<std::string_view, kStepColumns> kHeaders = {
    "i", "smer", "atan 2^-i", "z", "x", "y", "|x \u2212 cos|", "|y \u2212 sin|"};
constexpr std::string_view kResultIndex = "v\u00fdsledok";
constexpr std::string_view kCounterClockwise = "+";
constexpr std::string_view kClockwise = "\u2212";
constexpr int kErrorDecimals = 2;

// The significant digits of a number's shortest text, by position.
struct TSignificand {
    bool negative = false;
    int leadPower = 0;              // the power of ten of the first significant digit
    std::string digits;             // from the first non-zero digit to the last digit written
    std::vector<std::size_t> where; // each digit's index in the text
};

// Reads a FloatToStr text of a finite value: [-]digits[.digits][e(+|-)digits]. A zero has no
// significant digit.
TSignificand ReadSignificand(std::string_view text) {
    TSignificand result;
    const std::size_t e = std::min(text.find('e'), text.size());
    int exponent = 0;
    if (e < text.size()) {
        std::size_t from = e + 1;
        const bool negativeExponent = text[from] == '-';
        if (text[from] == '+' || text[from] == '-') {
            ++from;
        }
        std::from_chars(text.data() + from, text.data() + text.size(), exponent);
        exponent = negativeExponent ? -exponent : exponent;
    }
    const std::string_view mantissa = text.substr(0, e);
    result.negative = !mantissa.empty() && mantissa.front() == '-';
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstDigit = result.negative ? 1 : 0;
    // The digit just before the point stands for 10^exponent.
    int power = exponent + static_cast<int>(point - firstDigit) - 1;
    for (std::size_t k = firstDigit; k < mantissa.size(); ++k) {
        const char c = mantissa[k];
        if (c == '.') {
            continue;
        }
        if (result.digits.empty() && c == '0') {
            --power;
            continue;
        }
        if (result.digits.empty()) {
            result.leadPower = power;
        }
        result.digits.push_back(c);
        result.where.push_back(k);
        --power;
    }
    return result;
}

std::size_t SettledPrefixOfText(std::string_view text, std::string_view finalText) {
    const TSignificand value = ReadSignificand(text);
    const TSignificand target = ReadSignificand(finalText);
    if (value.digits.empty() || target.digits.empty()) {
        return value.digits.empty() && target.digits.empty() ? text.size() : 0;
    }
    if (value.negative != target.negative || value.leadPower != target.leadPower) {
        return 0;
    }
    // With the first digits at the same power, equal indexes stand for equal powers.
    std::size_t agree = 0;
    while (agree < value.digits.size()) {
        const char wanted = agree < target.digits.size() ? target.digits[agree] : '0';
        if (value.digits[agree] != wanted) {
            break;
        }
        ++agree;
    }
    if (agree == value.digits.size()) {
        return text.size();
    }
    return agree == 0 ? 0 : value.where[agree - 1] + 1;
}

void AppendCells(std::string& out, const std::vector<std::string>& cells) {
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) {
            out += '\t';
        }
        out += cells[k];
    }
}

} // namespace

std::string_view StepColumnHeader(int column) {
    return kHeaders.at(static_cast<std::size_t>(column));
}

namespace {

// The direction the student guessed for `row`: its own when `right`, else the other one.
std::string_view GuessedSign(const TStepRow& row, bool right) {
    return (row.z >= 0.0L) == right ? kCounterClockwise : kClockwise;
}

} // namespace

std::string GuessedDirectionText(const TStepRow& row, bool right) {
    const std::string direction = StepCellText(row, kColumnSigma);
    if (right) {
        return direction + " \u2713";
    }
    return direction + " \u2717 (" + std::string(GuessedSign(row, right)) + ")";
}

std::string GuessedDirectionTip(const TStepRow& row, bool right) {
    std::string tip = "Tvoj tip: " + std::string(GuessedSign(row, right)) + ", spr\u00e1vne";
    if (!right) {
        tip += " je " + StepCellText(row, kColumnSigma);
    }
    return tip;
}

std::string ErrorText(long double error) {
    if (error == 0.0L) {
        return "0";
    }
    if (!std::isfinite(error)) {
        return FloatToStr(error);
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, error,
                                      std::chars_format::scientific, kErrorDecimals);
    return std::string(buffer, result.ptr);
}

std::string StepCellText(const TStepRow& row, int column) {
    switch (column) {
    case kColumnIndex:
        return row.isResult ? std::string(kResultIndex) : IntToStr(row.i);
    case kColumnSigma:
        if (row.isResult) {
            return {};
        }
        // A residual of zero, of either sign, turns counter-clockwise, as the rotation does.
        return std::string(row.z >= 0.0L ? kCounterClockwise : kClockwise);
    case kColumnAtan:
        return row.isResult ? std::string() : FloatToStr(row.atan);
    case kColumnZ:
        return FloatToStr(row.z);
    case kColumnX:
        return FloatToStr(row.x);
    case kColumnY:
        return FloatToStr(row.y);
    case kColumnErrorX:
        return ErrorText(row.errorX);
    case kColumnErrorY:
        return ErrorText(row.errorY);
    default:
        return {};
    }
}

std::size_t SettledPrefix(long double value, long double final) {
    if (!std::isfinite(value) || !std::isfinite(final)) {
        return 0;
    }
    return SettledPrefixOfText(FloatToStr(value), FloatToStr(final));
}

std::size_t SettledPrefix(const TStepRows& rows, std::size_t row, int column) {
    switch (column) {
    case kColumnX:
        return SettledPrefix(rows.Row(row).x, rows.FinalX());
    case kColumnY:
        return SettledPrefix(rows.Row(row).y, rows.FinalY());
    default:
        return 0;
    }
}

std::string StepSelectionTsv(const TStepRows& rows, std::span<const std::size_t> rowIndexes,
                             std::span<const int> columns) {
    std::string out;
    std::vector<std::string> cells;
    cells.reserve(columns.size());
    for (const int column : columns) {
        cells.emplace_back(StepColumnHeader(column));
    }
    AppendCells(out, cells);
    for (const std::size_t index : rowIndexes) {
        cells.clear();
        for (const int column : columns) {
            cells.push_back(StepCellText(rows.Row(index), column));
        }
        out += '\n';
        AppendCells(out, cells);
    }
    return out;
}

std::string StepTableTsv(const TStepRows& rows) {
    std::vector<std::size_t> rowIndexes(rows.Count());
    std::iota(rowIndexes.begin(), rowIndexes.end(), std::size_t{0});
    std::array<int, kStepColumns> columns{};
    std::iota(columns.begin(), columns.end(), 0);
    return StepSelectionTsv(rows, rowIndexes, columns);
}
