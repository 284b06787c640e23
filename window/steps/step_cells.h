#pragma once

#include "step_rows.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The texts of the step table, free of the toolkit. Texts are UTF-8.
//
// Columns, left to right:
//   i          the step index; the result row reads "výsledok"
//   smer       the step's direction: "+" where z >= 0 (counter-clockwise), "−" (U+2212)
//              otherwise; empty in the result row
//   atan 2^-i  the step's rotation angle; empty in the result row
//   z, x, y    the residual angle and the accumulators
//   |x − cos|, |y − sin|   the distance to the library's cosine and sine
// The angle, z, x and y are the shortest texts that read back to the exact extended values
// (FloatToStr), so that no digit the run computed is hidden. The distances show three
// significant digits in scientific notation ("1.23e-05"); an exact zero shows "0".

enum TStepColumn : int {
    kColumnIndex,
    kColumnSigma,
    kColumnAtan,
    kColumnZ,
    kColumnX,
    kColumnY,
    kColumnErrorX,
    kColumnErrorY,
};
inline constexpr int kStepColumns = 8;

// The header of `column` (0 .. kStepColumns - 1).
std::string_view StepColumnHeader(int column);

// The text of one cell of `row`.
std::string StepCellText(const TStepRow& row, int column);

// The "smer" cell of a step whose direction the student guessed, `right` or not: the step's
// direction and the mark, with the student's own guess (the other direction) beside a wrong
// one, "+ ✓", "− ✗ (+)"; and its tooltip, "Tvoj tip: +, správne" or "Tvoj tip: +, správne je −".
// UTF-8.
std::string GuessedDirectionText(const TStepRow& row, bool right);
std::string GuessedDirectionTip(const TStepRow& row, bool right);

// A distance in the error columns: "%.2e" in any locale ("1.23e-05", "4.00e+00"), "0" for zero.
std::string ErrorText(long double error);

// Settled digits: how many leading characters of FloatToStr(value) already agree with the run's
// final value `final`.
//
// Both numbers are read by value and position: sign, the power of ten of the first significant
// digit, and the significant digits with the power of ten each stands for, whether the text is
// fixed ("0.866") or scientific ("8.66e-05"). Digits agree when the same power of ten holds the
// same digit in both; the final value is taken as its own shortest text, the one the result row
// shows, with zeros beyond its last digit. When the signs or the first digits' powers of ten
// differ, nothing is settled (0.09 is not on its way to 0.1 digit by digit). Otherwise the
// settled prefix runs from the start of the text through the last of the leading significant
// digits that agree, taking in the sign, the leading "0." and zeros it passes; when every digit
// agrees it is the whole text, exponent included. A zero has no significant digit: it settles
// nothing, unless the final value is zero too. Infinities and NaNs settle nothing.
std::size_t SettledPrefix(long double value, long double final);

// The settled prefix of the cell (x against FinalX, y against FinalY); 0 in the other columns.
std::size_t SettledPrefix(const TStepRows& rows, std::size_t row, int column);

// The whole table as tab-separated text: the header row, then every row, lines joined by "\n"
// (no newline after the last).
std::string StepTableTsv(const TStepRows& rows);

// A rectangular part of the table the same way: the headers of `columns`, then each of `rows`
// with the cells of `columns`, in the order given.
std::string StepSelectionTsv(const TStepRows& rows, std::span<const std::size_t> rowIndexes,
                             std::span<const int> columns);
