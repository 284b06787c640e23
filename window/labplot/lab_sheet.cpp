#include "lab_sheet.h"

#include "angle_input.h"
#include "constants.h"
#include "conversions.h"
#include "fixed_word.h"
#include "lab_cells.h"
#include "lab_texts.h"

#include <algorithm>
#include <cmath>

namespace {

// The digits of an angle given in degrees, read back from radians: enough to show the 30 that
// was typed, not the last bits of its conversion.
constexpr int kDegreeDigits = 15;

// By system (Circular, Linear, Hyperbolic).
constexpr const char* kSystemNames[] = {"kruhovej", "lineárnej", "hyperbolickej"};
// By system, then mode (Rotation, Vectoring).
constexpr const char* kComputes[3][2] = {
    {"cos θ a sin θ", "uhol a dĺžku bodu"},
    {"y = b + a·c", "podiel y / x"},
    {"cosh t, sinh t a exp t", "atanh(y / x) a dĺžku bodu"},
};
// The x' of a step by system: the linear one leaves x alone.
constexpr const char* kXUpdate[] = {"x' = x − σ·y·2^-s", "x' = x", "x' = x + σ·y·2^-s"};
// By rounding (Floor, HalfUp, HalfEven), as the window names them.
constexpr const char* kRoundingNames[] = {"odseknúť", "polovica nahor", "k párnemu"};

std::size_t Index(auto enumerator) {
    return static_cast<std::size_t>(enumerator);
}

std::string Number(long double value) {
    return FloatToStr(value);
}

// Drops the trailing zeros of the significand ("30.0000000000000" -> "30").
std::string Trimmed(std::string text) {
    const std::size_t e = std::min(text.find('e'), text.size());
    std::string significand = text.substr(0, e);
    if (significand.find('.') != std::string::npos) {
        significand.erase(significand.find_last_not_of('0') + 1);
        if (significand.back() == '.') {
            significand.pop_back();
        }
    }
    return significand + text.substr(e);
}

std::string Input(const TLabSetup& setup, bool degrees) {
    if (setup.mode == TLabMode::Vectoring) {
        return "(x, y) = (" + Number(setup.x0) + ", " + Number(setup.y0) + ")";
    }
    switch (setup.system) {
    case TLabSystem::Circular:
        return degrees ? "θ = " +
                             Trimmed(SignificantText(setup.theta / kOneOver180 / kPiDouble,
                                                     kDegreeDigits)) +
                             "°"
                       : "θ = " + Number(setup.theta) + " rad";
    case TLabSystem::Linear:
        return "a = " + Number(setup.x0) + ", b = " + Number(setup.y0) +
               " a c = " + Number(setup.theta);
    case TLabSystem::Hyperbolic:
        return "t = " + Number(setup.theta);
    }
    return {};
}

std::string Arithmetic(const TLabSetup& setup) {
    switch (setup.arithmetic) {
    case TLabArithmetic::Extended:
        return "v rozšírenej presnosti (80 bitov)";
    case TLabArithmetic::Double:
        return "v presnosti double (64 bitov)";
    case TLabArithmetic::Single:
        return "v presnosti float (32 bitov)";
    case TLabArithmetic::Fixed:
        break;
    }
    return "v pevnej čiarke (šírka slova W = " + IntToStr(setup.wordBits) +
           ", desatinné bity F = " + IntToStr(setup.fractionBits) +
           (setup.guardBits > 0 ? ", strážne bity G = " + IntToStr(setup.guardBits) : "") +
           ", zaokrúhlenie posunu: " + kRoundingNames[Index(setup.rounding)] + ")";
}

std::string Steps(std::int32_t steps) {
    return IntToStr(steps) + (steps == 1 ? " kroku" : " krokoch");
}

// The step's constant alpha_i as the format holds it: its text and, for fixed point, its bits.
struct TAlphaTexts {
    std::string value;
    std::string bits;
};

TAlphaTexts Alpha(const TLabSetup& setup, std::int32_t step) {
    const long double alpha = LabTables(setup.system).alpha[static_cast<std::size_t>(step)];
    switch (setup.arithmetic) {
    case TLabArithmetic::Extended:
        return {LabValueText(alpha, setup), {}};
    case TLabArithmetic::Double:
        return {LabValueText(static_cast<double>(alpha), setup), {}};
    case TLabArithmetic::Single:
        return {LabValueText(static_cast<float>(alpha), setup), {}};
    case TLabArithmetic::Fixed:
        break;
    }
    // The run brought every alpha_i into the internal word, or it would have been refused.
    const std::int32_t bits = setup.wordBits + setup.guardBits;
    const std::int32_t fraction = setup.fractionBits + setup.guardBits;
    std::int64_t raw = 0;
    TFixedWord(bits, fraction).Format(alpha, raw);
    return {LabExactDecimal(raw, fraction), LabBitsText(raw, bits, fraction)};
}

TSheetCell Cell(const TLabState& state, int labColumn, const TLabSetup& setup, bool blank) {
    return {LabCellText(state, labColumn, setup), blank};
}

} // namespace

TSheetTable LabSheetTable(const TLabRun& run, const TLabSetup& setup) {
    TSheetTable table;
    const bool fixed = setup.arithmetic == TLabArithmetic::Fixed;
    table.columns = {TSheetColumn::Index, TSheetColumn::Shift, TSheetColumn::Alpha};
    if (fixed) {
        table.columns.push_back(TSheetColumn::AlphaBits);
    }
    table.columns.insert(table.columns.end(),
                         {TSheetColumn::Sigma, TSheetColumn::X, TSheetColumn::Y, TSheetColumn::Z});
    table.headers = {"i", std::string(LabColumnHeader(kLabColumnShift)), "α_i"};
    if (fixed) {
        table.headers.push_back("α_i (bity)");
    }
    for (const int column : {kLabColumnSigma, kLabColumnX, kLabColumnY, kLabColumnZ}) {
        table.headers.emplace_back(LabColumnHeader(column));
    }
    if (run.states.empty()) {
        return table;
    }
    const std::int32_t last = std::min(setup.steps, kSheetSteps);
    for (std::int32_t i = 0; i <= last; ++i) {
        const TLabState& state = run.states[static_cast<std::size_t>(i)];
        const bool takesStep = i < last;
        const bool blank = i > 0;
        const TAlphaTexts alpha = takesStep ? Alpha(setup, i) : TAlphaTexts{};
        std::vector<TSheetCell> row{Cell(state, kLabColumnIndex, setup, false),
                                    {takesStep ? LabCellText(state, kLabColumnShift, setup) : ""},
                                    {alpha.value}};
        if (fixed) {
            row.push_back({alpha.bits});
        }
        row.push_back(
            {takesStep ? LabCellText(state, kLabColumnSigma, setup) : "", blank && takesStep});
        for (const int column : {kLabColumnX, kLabColumnY, kLabColumnZ}) {
            row.push_back(Cell(state, column, setup, blank));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string LabSheetTask(const TLabSetup& setup, bool degrees) {
    return std::string("Vypočítajte v ") + kSystemNames[Index(setup.system)] + " sústave " +
           (setup.mode == TLabMode::Rotation ? "rotáciou " : "vektorovaním ") +
           kComputes[Index(setup.system)][Index(setup.mode)] + " pre " + Input(setup, degrees) +
           " " + Arithmetic(setup) + " v " + Steps(setup.steps) + ".";
}

std::string LabSheetRule(const TLabSetup& setup) {
    return std::string("Krok i s posunom s: ") + kXUpdate[Index(setup.system)] +
           ", y' = y + σ·x·2^-s, z' = z − σ·α_i; σ = +1, ak " +
           (setup.mode == TLabMode::Rotation ? "z ≥ 0" : "y < 0") + ", inak −1.";
}

std::string LabSheetResultsHeading(const TLabSetup& setup) {
    return "Výsledky po " + Steps(setup.steps);
}

std::vector<std::string> LabSheetResults(const TLabRun& run, const TLabSetup& setup) {
    const auto line = [&](const std::string& name, long double value, long double exact) {
        return name + " = " + LabResultText(value, setup) + ", presne " + Number(exact) + ", " +
               LabErrorLine(value, exact, run.unit);
    };
    std::vector<std::string> lines = {line(LabFirstName(setup), run.first, run.exactFirst),
                                      line(LabSecondName(setup), run.second, run.exactSecond)};
    if (const std::string third = LabThirdName(setup); !third.empty()) {
        lines.push_back(line(third, run.third, run.exactThird));
    }
    return lines;
}
