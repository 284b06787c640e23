#include "lab_input.h"

#include "angle_input.h"
#include "conversions.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace {

constexpr std::int32_t kMostGuardBits = 16;
constexpr std::int32_t kMostRegisterBits = 64;
constexpr std::int32_t kLeastWordBits = 8;

} // namespace

TLabCountRange LabCountRange(TLabCount count, const TLabSetup& setup) {
    switch (count) {
    case TLabCount::Steps:
        return {1, kLabMaxSteps};
    case TLabCount::WordBits:
        return {kLeastWordBits, kMostRegisterBits};
    case TLabCount::FractionBits:
        return {0, setup.wordBits - 1};
    case TLabCount::GuardBits:
        return {0, std::min(kMostGuardBits, kMostRegisterBits - setup.wordBits)};
    }
    return {0, 0};
}

namespace {

// The field's name, and whether it takes the plural verb ("bity sú", "počet je").
struct TCountName {
    const char* name;
    bool plural;
};

TCountName NameOf(TLabCount count) {
    switch (count) {
    case TLabCount::Steps:
        return {"Počet krokov", false};
    case TLabCount::WordBits:
        return {"Šírka slova", false};
    case TLabCount::FractionBits:
        return {"Desatinné bity", true};
    case TLabCount::GuardBits:
        return {"Strážne bity", true};
    }
    return {"", false};
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

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

std::optional<std::int32_t> ReadLabCount(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.starts_with('+') && !text.starts_with("+-")) {
        text.remove_prefix(1);
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        return text.front() == '-' ? INT32_MIN : INT32_MAX;
    }
    return value;
}

bool LabCountInRange(TLabCount count, std::int32_t value, const TLabSetup& setup) {
    const TLabCountRange range = LabCountRange(count, setup);
    return value >= range.least && value <= range.most;
}

std::string NotAWholeNumberText(TLabCount count) {
    return std::string(NameOf(count).name) + " nie je celé číslo";
}

std::string LabCountRangeText(TLabCount count, const TLabSetup& setup) {
    const TCountName name = NameOf(count);
    const TLabCountRange range = LabCountRange(count, setup);
    return std::string(name.name) + (name.plural ? " sú od " : " je od ") + IntToStr(range.least) +
           " do " + IntToStr(range.most);
}
