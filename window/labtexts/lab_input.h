#pragma once

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
