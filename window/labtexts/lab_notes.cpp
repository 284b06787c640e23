#include "lab_notes.h"

#include "conversions.h"
#include "lab_cells.h"
#include "lab_texts.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kReachDecimals = 4;

bool LinearRotation(const TLabSetup& setup) {
    return setup.system == TLabSystem::Linear && setup.mode == TLabMode::Rotation;
}

long double TypedValue(TLabInput input, const TLabSetup& setup) {
    switch (input) {
    case TLabInput::Theta:
        return setup.theta;
    case TLabInput::X:
        return setup.x0;
    case TLabInput::Y:
        return setup.y0;
    }
    return 0;
}

// fmt: the value as the format holds it (an accepted input, so one that fits).
long double HeldValue(long double value, const TLabSetup& setup) {
    switch (setup.arithmetic) {
    case TLabArithmetic::Double:
        return static_cast<double>(value);
    case TLabArithmetic::Single:
        return static_cast<float>(value);
    case TLabArithmetic::Fixed:
        return ldexpl(roundl(ldexpl(value, setup.fractionBits)), -setup.fractionBits);
    case TLabArithmetic::Extended:
        break;
    }
    return value;
}

// What the steps must reach: the rotation's argument, or the vectoring's first result.
std::string Reached(const TLabRun& run, const TLabSetup& setup) {
    std::string name = setup.mode == TLabMode::Rotation ? LabInputSymbol(TLabInput::Theta, setup)
                                                        : LabFirstName(setup);
    if (run.folded && setup.system == TLabSystem::Circular && !run.states.empty()) {
        // Rotation starts at theta - pi for theta > 0; vectoring at z = +-pi.
        const bool minusPi =
            setup.mode == TLabMode::Rotation ? setup.theta > 0 : run.states.front().z > 0;
        name += minusPi ? " − π" : " + π";
    }
    return name;
}

} // namespace

std::vector<TLabInput> LabInputsRead(const TLabSetup& setup) {
    if (setup.mode == TLabMode::Vectoring) {
        return {TLabInput::X, TLabInput::Y};
    }
    if (LinearRotation(setup)) {
        return {TLabInput::X, TLabInput::Y, TLabInput::Theta};
    }
    return {TLabInput::Theta};
}

std::string LabInputSymbol(TLabInput input, const TLabSetup& setup) {
    switch (input) {
    case TLabInput::Theta:
        return setup.system == TLabSystem::Circular ? "θ" : LabThetaName(setup);
    case TLabInput::X:
        return LabXName(setup);
    case TLabInput::Y:
        return LabYName(setup);
    }
    return {};
}

std::string LabHeldLine(TLabInput input, const TLabSetup& setup) {
    return LabInputSymbol(input, setup) +
           " v registri = " + LabResultText(HeldValue(TypedValue(input, setup), setup), setup);
}

std::string LabTypedLine(TLabInput input, const TLabSetup& setup) {
    return "zadané " + FloatToStr(TypedValue(input, setup));
}

std::string LabExactCaption(const TLabSetup& setup) {
    std::string symbols;
    for (const TLabInput input : LabInputsRead(setup)) {
        symbols += (symbols.empty() ? "" : ", ") + LabInputSymbol(input, setup);
    }
    return "presne pre " + symbols + " v registri";
}

std::string LabReachLine(const TLabRun& run, const TLabSetup& setup) {
    if (run.converges || run.refusal != TLabRefusal::None) {
        return {};
    }
    char reach[32];
    const auto end = std::to_chars(reach, reach + sizeof reach, LabReach(setup.system, setup.steps),
                                   std::chars_format::fixed, kReachDecimals);
    return "Mimo dosahu krokov: |" + Reached(run, setup) + "| ≤ " + std::string(reach, end.ptr);
}

std::string LabOverflowLine(const TLabRun& run, const TLabSetup& setup) {
    for (const TLabState& state : run.states) {
        if (state.overflow) {
            return "Pretečenie v stave " + IntToStr(state.i) +
                   (setup.arithmetic == TLabArithmetic::Fixed
                        ? ": hodnota sa do slova nezmestila"
                        : ": hodnota prekročila rozsah formátu");
        }
    }
    return {};
}

std::pair<long double, long double> LabDerivedPoint(TLabDerived derived, long double a) {
    const long double offset = derived == TLabDerived::SquareRoot ? 0.25L : 1.0L;
    return {a + offset, a - offset};
}

std::string LabDerivedLine(TLabDerived derived, const TLabRun& run, const TLabSetup& setup) {
    switch (derived) {
    case TLabDerived::Logarithm:
        return "ln a = 2·z = " + LabResultText(2 * run.first, setup);
    case TLabDerived::SquareRoot:
        return "√a = dĺžka = " + LabResultText(run.second, setup);
    case TLabDerived::None:
        break;
    }
    return {};
}

std::string LabDerivedRefusalText() {
    return "a musí byť kladné";
}

std::string LabModeText(TLabSystem system, TLabMode mode) {
    static constexpr const char* kModes[3][2] = {
        {"Rotácia: kosínus a sínus", "Vektorovanie: uhol a dĺžka"},
        {"Rotácia: násobenie", "Vektorovanie: delenie"},
        {"Rotácia: cosh, sinh a exp", "Vektorovanie: atanh, ln a odmocnina"},
    };
    return kModes[static_cast<std::size_t>(system)][static_cast<std::size_t>(mode)];
}
