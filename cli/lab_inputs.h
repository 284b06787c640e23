#pragma once

#include "lab.h"
#include "lab_command.h"
#include "lab_output.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// The inputs file of --inputs: one input per line, read as the laboratory's window reads its
// fields (lab_input.h), in the setup of the command line:
//   rotation   one number: the angle θ (in degrees with --degrees), t, or the linear c, whose
//              a and b stay those of --x and --y;
//   vectoring  two numbers "x y", separated by blanks (a decimal comma cannot separate them).
// Blanks around the input, a CR before the LF, blank lines and lines whose first character
// after the blanks is '#' are skipped. Lines count from 1, skipped lines included.

struct TLabInputReading {
    std::optional<TLabSetup> setup; // `command`'s setup with the line's input; nothing if refused
    std::string refusal;            // why, in one Slovak line ("Uhol nie je číslo")
};

// Whether `line` holds no input: blank, or a comment.
bool IsLabInputSkipped(std::string_view line);
// The setup of the input on `line` (not a skipped one).
TLabInputReading ReadLabInputLine(std::string_view line, const TLabCommand& command);

struct TLabInputsOutcome {
    bool allAccepted = true; // no line was refused
    bool readFailed = false; // the stream broke off before its end
};

// Runs the input of every line of `in` and writes each run, or the line's refusal, to `out` as
// whole lines in the lines' order. The lines at hand (up to 4,096 read ahead) run on as many
// threads as the machine has cores, at least 64 lines each (LabRun keeps no state between
// runs); `out` is flushed before every read that may wait, so a terminal or a testbench on a
// pipe gets each answer before it gives the next input.
TLabInputsOutcome RunLabInputs(std::istream& in, const TLabCommand& command,
                               const TLabPrinter& printer, std::ostream& out);
