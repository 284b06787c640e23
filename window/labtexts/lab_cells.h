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
//   posun    the shift s step i uses (the hyperbolic repeats show it twice); empty after the last
//   x, y, z  the registers' values. Floating formats: the shortest text that reads back
//            (StrToFloat) to the same value rounded to the format. Fixed point: the register's
//            exact decimal value, with at most F + G decimal places (bits .11 read 0.75, and a
//            16/14 register 9949 reads 0.60723876953125); where that needs more than 21
//            significant digits, "≈" and the shortest text that fmt (roundl(v 2^(F+G))) turns
//            back into the same register.
//   x (bity), y (bity), z (bity)   fixed point only: the W + G bit register in two's complement,
//            most significant bit first, with a dot after the W - F integer bits; the G guard
//            bits follow the F fraction bits ("00.10011011011101" for 9949 in 16/14; F = 0, G = 0
//            leaves the dot at the end).
//
// Step i's update shifts registers right by s: x and y in the circular and hyperbolic systems,
// x alone in the linear one (its y is never shifted). The s lowest bits of a shifted register
// (all W + G when s >= W + G) drop out of the sum: the last s bit characters of its bit cell in
// the row of state i, skipping the dot. The row after the last step drops nothing, nor does z.

enum TLabColumn : int {
    kLabColumnIndex,
    kLabColumnSigma,
    kLabColumnShift,
    kLabColumnX,
    kLabColumnY,
    kLabColumnZ,
    kLabColumnXBits,
    kLabColumnYBits,
    kLabColumnZBits,
};
// The columns of the floating formats, and with the three bit columns of fixed point.
inline constexpr int kLabFloatColumns = 6;
inline constexpr int kLabFixedColumns = 9;
// The marker of a fixed-point text that is not the register's exact value.
inline constexpr std::string_view kLabApproximately = "≈";

// How many columns a run in `arithmetic` shows.
int LabColumnCount(TLabArithmetic arithmetic);
// The header of `column` (0 .. kLabFixedColumns - 1).
std::string_view LabColumnHeader(int column);

// The exact decimal value of raw * 2^-fractionBits (0 <= fractionBits <= 63): the fewest
// decimal places that hold it, no exponent ("-0.25", "3", "0.60723876953125").
std::string LabExactDecimal(std::int64_t raw, std::int32_t fractionBits);

// A register's value (one the format holds exactly) as the table shows it; see above. "INF",
// "-INF", "NAN" as FloatToStr writes them.
std::string LabValueText(long double value, const TLabSetup& setup);
// A result's value, which fixed point holds at F fraction bits in W bits: as LabValueText, with
// "≈" texts that fmt at F bits turns back into the same result.
std::string LabResultText(long double value, const TLabSetup& setup);

// The W-bit register `raw` (sign-extended) in two's complement with the dot after W - F bits.
std::string LabBitsText(std::int64_t raw, std::int32_t wordBits, std::int32_t fractionBits);

// How many low bits step `state.i`'s shift drops from the register of `column` in a run of
// `setup`: min(s, W + G) in a shifted register's bit column of a state before a step, else 0.
std::int32_t LabDroppedBits(const TLabState& state, int column, const TLabSetup& setup);
// Where the dropped bits begin in the bit text: every bit character from this index on is
// dropped (the dot among them is not a bit). The text's length when nothing is dropped.
std::size_t LabDroppedStart(std::int32_t dropped, const TLabSetup& setup);

// Where the guard bits begin in a bit text of `setup`: its last G characters, after the W bits'
// integer and fraction bits and the dot; the text's length (W + 1) when G = 0.
std::size_t LabGuardStart(const TLabSetup& setup);

// The text of one cell of `state` in a run of `setup`.
std::string LabCellText(const TLabState& state, int column, const TLabSetup& setup);

// The whole table as tab-separated text: the header row, then every state, lines joined by "\n"
// (no newline after the last). Empty for a refused run.
std::string LabTableTsv(const TLabRun& run, const TLabSetup& setup);
