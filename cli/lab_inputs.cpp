#include "lab_inputs.h"

#include "lab_input.h"
#include "lab_texts.h"

#include <istream>
#include <ostream>
#include <vector>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The blank-separated words of `text`.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsBlank(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !IsBlank(text[end])) {
            ++end;
        }
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

} // namespace

bool IsLabInputSkipped(std::string_view line) {
    const std::string_view input = Trimmed(line);
    return input.empty() || input.front() == '#';
}

TLabInputReading ReadLabInputLine(std::string_view line, const TLabCommand& command) {
    TLabSetup setup = command.setup;
    const std::string_view input = Trimmed(line);
    if (setup.mode == TLabMode::Rotation) {
        const std::optional<long double> theta = ReadLabAngle(input, command.degrees);
        if (!theta) {
            return {std::nullopt, NotANumberText(LabThetaName(setup))};
        }
        setup.theta = *theta;
        return {setup, {}};
    }
    const std::vector<std::string_view> words = Words(input);
    if (words.size() != 2) {
        return {std::nullopt, "Riadok má mať dve čísla: x y"};
    }
    const std::optional<long double> x = ReadLabNumber(words[0]);
    if (!x) {
        return {std::nullopt, NotANumberText(LabXName(setup))};
    }
    const std::optional<long double> y = ReadLabNumber(words[1]);
    if (!y) {
        return {std::nullopt, NotANumberText(LabYName(setup))};
    }
    setup.x0 = *x;
    setup.y0 = *y;
    return {setup, {}};
}

TLabInputsOutcome RunLabInputs(std::istream& in, const TLabCommand& command,
                               const TLabPrinter& printer, std::ostream& out) {
    TLabInputsOutcome outcome;
    out << printer.Header(command.setup);
    std::int64_t number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (IsLabInputSkipped(line)) {
            continue;
        }
        const TLabInputReading reading = ReadLabInputLine(line, command);
        if (!reading.setup) {
            outcome.allAccepted = false;
            out << printer.Refused(number, reading.refusal, nullptr, command.setup);
            continue;
        }
        const TLabRun run = LabRun(*reading.setup);
        if (run.refusal != TLabRefusal::None) {
            outcome.allAccepted = false;
            out << printer.Refused(number,
                                   LabRefusalText(run.refusal, *reading.setup, command.degrees),
                                   &run, *reading.setup);
            continue;
        }
        out << printer.Run(run, *reading.setup);
    }
    outcome.readFailed = in.bad();
    return outcome;
}
