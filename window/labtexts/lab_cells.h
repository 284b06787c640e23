#pragma once

#include "lab.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The texts of the laboratory's table "Kroky laboratória", free of the toolkit. Texts are UTF-8.
//
// A row per state of a run (TLabRun::states). Columns, left to right:
//   i        the state's index: 0 .. n - 1 before step i, n after the last step
//   smer     the direction step i takes: "+" or "−" (U+2212); empty after the last step
//   x, y, z  the registers' values, each the shortest text that reads back (StrToFloat) to the
//            same value in the run's format: for the floating formats the value rounded to the
//            format, for fixed point the same register (roundl(v 2^F)). So a 16/14 register
//            9949 reads "0.60724", not its exact 0.60723876953125.
//   x (bity), y (bity), z (bity)   fixed point only: the W-bit register in two's complement,
//            most significant bit first, with a dot after the W - F integer bits
//            ("00.10011011011101" for 9949 in 16/14; F = 0 leaves the dot at the end).
//
// Step i's update shifts x and y right by i: the i lowest bits of each (all W when i >= W) drop
// out of the sum. Those are the last i bit characters of the x and y bit cells in the row of
// state i, skipping the dot; the row after the last step drops nothing, and z is never shifted.

enum TLabColumn : int {
    kLabColumnIndex,
    kLabColumnSigma,
    kLabColumnX,
    kLabColumnY,
    kLabColumnZ,
    kLabColumnXBits,
    kLabColumnYBits,
    kLabColumnZBits,
};
// The columns of the floating formats, and with the three bit columns of fixed point.
inline constexpr int kLabFloatColumns = 5;
inline constexpr int kLabFixedColumns = 8;

// How many columns a run in `arithmetic` shows.
int LabColumnCount(TLabArithmetic arithmetic);
// The header of `column` (0 .. kLabFixedColumns - 1).
std::string_view LabColumnHeader(int column);

// The shortest text of `value` (a value the format holds exactly) that reads back to the same
// value in `setup`'s format; "INF", "-INF", "NAN" as FloatToStr writes them.
std::string LabValueText(long double value, const TLabSetup& setup);

// The W-bit register `raw` (sign-extended) in two's complement with the dot after W - F bits.
std::string LabBitsText(std::int64_t raw, std::int32_t wordBits, std::int32_t fractionBits);

// How many low bits step `state.i`'s shift drops from the register of `column`: min(i, W) in the
// x and y bit columns of a state before a step, 0 otherwise.
std::int32_t LabDroppedBits(const TLabState& state, int column, std::int32_t wordBits);
// Where the dropped bits begin in the bit text: every bit character from this index on is
// dropped (the dot among them is not a bit). The text's length when nothing is dropped.
std::size_t LabDroppedStart(std::int32_t dropped, std::int32_t wordBits, std::int32_t fractionBits);

// The text of one cell of `state` in a run of `setup`.
std::string LabCellText(const TLabState& state, int column, const TLabSetup& setup);

// The whole table as tab-separated text: the header row, then every state, lines joined by "\n"
// (no newline after the last). Empty for a refused run.
std::string LabTableTsv(const TLabRun& run, const TLabSetup& setup);
