#include "lab_results.h"

#include "lab_texts.h"

#include <cmath>

std::vector<TLabResult> LabResults(const TLabRun& run, const TLabSetup& setup) {
    std::vector<TLabResult> results = {{LabFirstName(setup), run.first, run.exactFirst},
                                       {LabSecondName(setup), run.second, run.exactSecond}};
    const std::string third = LabThirdName(setup);
    if (!third.empty()) {
        results.push_back({third, run.third, run.exactThird});
    }
    return results;
}

std::string LabHexText(std::int64_t raw, std::int32_t bits) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto word = static_cast<std::uint64_t>(raw);
    std::string text;
    for (std::int32_t digit = (bits + 3) / 4 - 1; digit >= 0; --digit) {
        const std::int32_t low = 4 * digit;
        const std::int32_t width = bits - low < 4 ? bits - low : 4;
        const auto nibble = (word >> low) & ((1U << width) - 1);
        text += kDigits[nibble];
    }
    return text;
}

std::string LabResultHex(long double value, const TLabSetup& setup) {
    return LabHexText(static_cast<std::int64_t>(ldexpl(value, setup.fractionBits)), setup.wordBits);
}

long double LabErrorUnits(const TLabResult& result, long double unit) {
    return fabsl(result.value - result.exact) / unit;
}
