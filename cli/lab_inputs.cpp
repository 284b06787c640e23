#include "lab_inputs.h"

#include "lab_input.h"
#include "lab_texts.h"

#include <algorithm>
#include <future>
#include <istream>
#include <ostream>
#include <span>
#include <thread>
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

namespace {

// The most lines read ahead, and the fewest a thread of its own is worth.
constexpr std::size_t kBatchLines = 4096;
constexpr std::size_t kLeastLinesPerThread = 64;

struct TInputLine {
    std::int64_t number;
    std::string text;
};

struct TLinesOutput {
    std::string text;
    bool allAccepted = true;
};

// The output of `lines`, in their order.
TLinesOutput RunLines(std::span<const TInputLine> lines, const TLabCommand& command,
                      const TLabPrinter& printer) {
    TLinesOutput output;
    for (const TInputLine& line : lines) {
        const TLabInputReading reading = ReadLabInputLine(line.text, command);
        if (!reading.setup) {
            output.allAccepted = false;
            output.text += printer.Refused(line.number, reading.refusal, nullptr, command.setup);
            continue;
        }
        const TLabRun run = LabRun(*reading.setup);
        if (run.refusal != TLabRefusal::None) {
            output.allAccepted = false;
            output.text += printer.Refused(
                line.number, LabRefusalText(run.refusal, *reading.setup, command.degrees), &run,
                *reading.setup);
            continue;
        }
        output.text += printer.Run(run, *reading.setup);
    }
    return output;
}

// The lines of a batch in as many slices as threads are worth, the first on this thread.
TLinesOutput RunBatch(const std::vector<TInputLine>& batch, const TLabCommand& command,
                      const TLabPrinter& printer) {
    const std::size_t threads =
        std::clamp<std::size_t>(std::min<std::size_t>(std::thread::hardware_concurrency(),
                                                      batch.size() / kLeastLinesPerThread),
                                1, kBatchLines / kLeastLinesPerThread);
    const std::size_t slice = (batch.size() + threads - 1) / threads;
    const std::span<const TInputLine> lines(batch);
    std::vector<std::future<TLinesOutput>> others;
    for (std::size_t from = slice; from < batch.size(); from += slice) {
        others.push_back(std::async(std::launch::async, RunLines,
                                    lines.subspan(from, std::min(slice, batch.size() - from)),
                                    std::cref(command), std::cref(printer)));
    }
    TLinesOutput output = RunLines(lines.first(std::min(slice, batch.size())), command, printer);
    for (std::future<TLinesOutput>& other : others) {
        TLinesOutput next = other.get();
        output.text += next.text;
        output.allAccepted = output.allAccepted && next.allAccepted;
    }
    return output;
}

} // namespace

TLabInputsOutcome RunLabInputs(std::istream& in, const TLabCommand& command,
                               const TLabPrinter& printer, std::ostream& out) {
    TLabInputsOutcome outcome;
    out << printer.Header(command.setup);
    std::int64_t number = 0;
    std::vector<TInputLine> batch;
    for (std::string line;;) {
        // Before a read that may wait (a terminal, a pipe from a testbench), what is done goes
        // out: every answer stands there before the next question is awaited.
        if (batch.empty() && in.rdbuf()->in_avail() <= 0) {
            out.flush();
        }
        const bool read = static_cast<bool>(std::getline(in, line));
        if (read && !IsLabInputSkipped(line)) {
            batch.push_back({number + 1, line});
        }
        number += read ? 1 : 0;
        // A batch is run when it is full, when the input has no more at hand, or at the end.
        if (!batch.empty() &&
            (!read || batch.size() == kBatchLines || in.rdbuf()->in_avail() <= 0)) {
            const TLinesOutput output = RunBatch(batch, command, printer);
            out << output.text;
            outcome.allAccepted = outcome.allAccepted && output.allAccepted;
            batch.clear();
        }
        if (!read) {
            break;
        }
    }
    outcome.readFailed = in.bad();
    return outcome;
}
