#pragma once

#include "lab.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reading the laboratory's fields the way the main window reads its angle (angle_input.h): a
// decimal point or comma, StrToFloat's rules, and degrees turned into radians as
// (v * kPiDouble) * kOneOver180, so that a number of degrees means the same angle in both
// windows. The range is left to the laboratory's run, which takes the whole circle.

// A number, or nothing when StrToFloat refuses the text.
std::optional<long double> ReadLabNumber(std::string_view text);
// The angle in radians; `degrees` when the text counts degrees.
std::optional<long double> ReadLabAngle(std::string_view text, bool degrees);

// The refusal of a field that holds no number: "Uhol nie je číslo", "x nie je číslo".
std::string NotANumberText(std::string_view field);

// The whole-number settings, with the ranges their spin boxes hold:
//   Steps         "Počet krokov"     1 .. 64
//   WordBits      "Šírka slova"      8 .. 64
//   FractionBits  "Desatinné bity"   0 .. W - 1
//   GuardBits     "Strážne bity"     0 .. min(16, 64 - W), so that W + G <= 64
enum class TLabCount { Steps, WordBits, FractionBits, GuardBits };

// A whole number: optional blanks around an optional sign and decimal digits; nothing for any
// other text. A number beyond 32 bits reads as the nearer 32-bit bound, which no range holds.
std::optional<std::int32_t> ReadLabCount(std::string_view text);
struct TLabCountRange {
    std::int32_t least;
    std::int32_t most;
};
// The range of `count` for `setup`'s word width W.
TLabCountRange LabCountRange(TLabCount count, const TLabSetup& setup);
// Whether `value` lies in the range of `count` for `setup`'s word width W.
bool LabCountInRange(TLabCount count, std::int32_t value, const TLabSetup& setup);
// "Počet krokov nie je celé číslo".
std::string NotAWholeNumberText(TLabCount count);
// "Počet krokov je od 1 do 64", "Desatinné bity sú od 0 do 15" (for W = 16).
std::string LabCountRangeText(TLabCount count, const TLabSetup& setup);
