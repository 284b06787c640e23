#pragma once

#include "lab.h"
#include "lab_command.h"

#include <cstdint>
#include <string>
#include <vector>

// What cordic-lab writes on standard output, in UTF-8, each piece whole lines.
//
// tsv (fields separated by tabs, lines ended by LF) and csv (RFC 4180: commas, a field with a
// comma or a quote quoted, lines ended by CR LF, as the step view saves its table):
//   the states: a header row ("i", "smer", "posun", "x", "y", "z", and for fixed point
//     "x (bity)", "y (bity)", "z (bity)"), then a row per state with the laboratory table's
//     texts (lab_cells.h); with --inputs the header once and every input's states after it;
//   --results: a row per result: name, value, exact value, error in u; with --inputs a row
//     per input of those same fields, result after result;
//   --sweep: a row per n = 1 .. 64: n and the largest error in u.
//   Errors in u have six significant digits. --hex writes fixed-point registers (the x, y, z
//   columns: W + G bits) and results (W bits) as two's complement hexadecimal (lab_results.h).
// json: lab_json.h.
// A refused input of --inputs: "# riadok 7: Uhol nie je číslo" (json: then the run's object
// with its refusal, where the engine refused it).
class TLabPrinter {
public:
    explicit TLabPrinter(const TLabCommand& command);

    // What stands before the first run: the states' header row (tsv, csv), else nothing.
    std::string Header(const TLabSetup& setup) const;
    // An accepted run of `setup`.
    std::string Run(const TLabRun& run, const TLabSetup& setup) const;
    // Input line `line` refused with `why`; `run` the engine's refusal, or nullptr where the
    // line gave no setup to run.
    std::string Refused(std::int64_t line, const std::string& why, const TLabRun* run,
                        const TLabSetup& setup) const;
    std::string Sweep(const TLabSweep& sweep, const TLabSetup& setup) const;

private:
    // `cells` as one row's fields (csv quoting them where needed), without the line end.
    std::string Fields(const std::vector<std::string>& cells) const;
    std::string Line(const std::string& fields) const;
    std::string States(const TLabRun& run, const TLabSetup& setup) const;
    std::string Results(const TLabRun& run, const TLabSetup& setup) const;

    TLabFormat format_;
    bool results_;
    bool hex_;
    bool perInput_;
};
