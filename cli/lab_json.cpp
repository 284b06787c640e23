#include "lab_json.h"

#include "conversions.h"
#include "lab_cells.h"
#include "lab_command.h"
#include "lab_results.h"
#include "lab_texts.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

std::string String(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

// "name":value
std::string Member(std::string_view name, const std::string& value) {
    return String(name) + ":" + value;
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

std::string ErrorNumber(long double units) {
    return std::isfinite(units) ? SignificantText(units, kLabErrorDigits) : "null";
}

std::string RefusalName(TLabRefusal refusal) {
    switch (refusal) {
    case TLabRefusal::None:
        break;
    case TLabRefusal::BadSetup:
        return String("BadSetup");
    case TLabRefusal::OutOfDomain:
        return String("OutOfDomain");
    case TLabRefusal::DoesNotFit:
        return String("DoesNotFit");
    case TLabRefusal::Origin:
        return String("Origin");
    }
    return "null";
}

std::string Setup(const TLabSetup& setup) {
    std::string json = "{" + Member("system", String(LabWordOf(kLabSystemWords, setup.system)));
    json += "," + Member("mode", String(LabWordOf(kLabModeWords, setup.mode)));
    json += "," + Member("arithmetic", String(LabWordOf(kLabArithmeticWords, setup.arithmetic)));
    json += "," + Member("steps", IntToStr(setup.steps));
    if (setup.arithmetic == TLabArithmetic::Fixed) {
        json += "," + Member("word", IntToStr(setup.wordBits));
        json += "," + Member("fraction", IntToStr(setup.fractionBits));
        json += "," + Member("rounding", String(LabWordOf(kLabRoundingWords, setup.rounding)));
        json += "," + Member("guard", IntToStr(setup.guardBits));
    }
    json += "," + Member("theta", String(FloatToStr(setup.theta)));
    json += "," + Member("x", String(FloatToStr(setup.x0)));
    json += "," + Member("y", String(FloatToStr(setup.y0)));
    return json + "}";
}

class TStateWriter {
public:
    TStateWriter(const TLabSetup& setup, bool hex)
        : fixed_(setup.arithmetic == TLabArithmetic::Fixed), hex_(hex), setup_(setup),
          bits_(setup.wordBits + setup.guardBits),
          fractionBits_(setup.fractionBits + setup.guardBits) {}

    std::string operator()(const TLabState& state) const {
        std::string json = "{" + Member("i", IntToStr(state.i));
        json += "," + Member("sigma", IntToStr(state.sigma));
        json += "," + Member("shift", IntToStr(state.shift));
        json += "," + Member("x", Value(state.x, state.rawX));
        json += "," + Member("y", Value(state.y, state.rawY));
        json += "," + Member("z", Value(state.z, state.rawZ));
        json += "," + Member("raw_x", Raw(state.rawX));
        json += "," + Member("raw_y", Raw(state.rawY));
        json += "," + Member("raw_z", Raw(state.rawZ));
        json += "," + Member("overflow", Bool(state.overflow));
        return json + "}";
    }

private:
    std::string Value(long double value, std::int64_t raw) const {
        return String(fixed_ ? LabExactDecimal(raw, fractionBits_) : LabValueText(value, setup_));
    }

    std::string Raw(std::int64_t raw) const {
        if (!fixed_) {
            return "null";
        }
        return hex_ ? String(LabHexText(raw, bits_)) : IntToStr(raw);
    }

    bool fixed_;
    bool hex_;
    const TLabSetup& setup_;
    std::int32_t bits_;
    std::int32_t fractionBits_;
};

std::string ResultValue(long double value, const TLabSetup& setup, bool hex) {
    if (setup.arithmetic != TLabArithmetic::Fixed) {
        return String(LabResultText(value, setup));
    }
    if (hex) {
        return String(LabResultHex(value, setup));
    }
    const auto raw = static_cast<std::int64_t>(ldexpl(value, setup.fractionBits));
    return String(LabExactDecimal(raw, setup.fractionBits));
}

} // namespace

std::string LabJsonRun(const TLabRun& run, const TLabSetup& setup, bool withStates, bool hex) {
    const bool accepted = run.refusal == TLabRefusal::None;
    std::string json = "{" + Member("setup", Setup(setup));
    json += "," + Member("refusal", RefusalName(run.refusal));
    json += "," + Member("folded", Bool(run.folded));
    json += "," + Member("converges", Bool(run.converges));
    json += "," + Member("unit", String(FloatToStr(run.unit)));
    if (withStates) {
        const TStateWriter state(setup, hex);
        std::string states;
        for (const TLabState& s : run.states) {
            states += (states.empty() ? "" : ",") + state(s);
        }
        json += "," + Member("states", "[" + states + "]");
    }
    std::string results;
    if (accepted) {
        for (const TLabResult& result : LabResults(run, setup)) {
            std::string object = "{" + Member("name", String(result.name));
            object += "," + Member("value", ResultValue(result.value, setup, hex));
            object += "," + Member("exact", String(FloatToStr(result.exact)));
            object += "," + Member("error_u", ErrorNumber(LabErrorUnits(result, run.unit)));
            results += (results.empty() ? "" : ",") + object + "}";
        }
    }
    return json + "," + Member("results", "[" + results + "]") + "}";
}

std::string LabJsonSweep(const TLabSweep& sweep, const TLabSetup& setup) {
    std::string points;
    for (std::size_t n = 1; n <= sweep.size(); ++n) {
        points += (n == 1 ? "{" : ",{") + Member("n", IntToStr(static_cast<std::int64_t>(n))) +
                  "," + Member("error_u", ErrorNumber(sweep[n - 1])) + "}";
    }
    return "{" + Member("setup", Setup(setup)) + "," + Member("sweep", "[" + points + "]") + "}";
}
