#pragma once

#include "lab.h"

#include <cstdint>
#include <string>
#include <vector>

// The pieces every output format of cordic-lab shares: a run's results with their names, and
// the texts of registers and errors.

// One result of a run: its name (lab_texts.h: "cos θ", "exp t" ...), the value the run
// computed and the exact value of the same function for the input as held.
struct TLabResult {
    std::string name;
    long double value;
    long double exact;
};

// The results of an accepted run of `setup`: first and second, and third where there is one
// (hyperbolic rotation's exp).
std::vector<TLabResult> LabResults(const TLabRun& run, const TLabSetup& setup);

// The low `bits` bits of `raw` in hexadecimal, lowercase, with every digit of the word
// (ceil(bits / 4), leading zeros kept): two's complement as $readmemh reads it
// (-1 in 14 bits is "3fff").
std::string LabHexText(std::int64_t raw, std::int32_t bits);

// A fixed-point result (F fraction bits, W bits) as a W-bit hexadecimal word.
std::string LabResultHex(long double value, const TLabSetup& setup);

// Errors in u are written with this many significant digits (SignificantText): scripts compare
// them beyond the window's three.
inline constexpr int kLabErrorDigits = 6;

// The error of `result` in units `unit`.
long double LabErrorUnits(const TLabResult& result, long double unit);
