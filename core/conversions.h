#pragma once

#include "extended.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Raised by StrToFloat for a text that is not a number; the message quotes the text, with
// control characters written as \xNN.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a decimal number: optional blanks (space, tab) around it, an optional sign, digits with
// at most one decimal separator ('.' or ','), at least one digit, and an optional exponent
// ('e' or 'E', optional sign, at least one digit). The value is correctly rounded to extended
// precision (to nearest, ties to even) for any number of digits, independent of the locale and
// the current rounding mode; beyond the extended range it is +-infinity, below it a correctly
// rounded subnormal or zero. Any other text (names such as "inf" or "nan", hexadecimal, digit
// groups, trailing characters, a NUL byte) raises EConvertError.
long double StrToFloat(std::string_view text);

// The shortest decimal text that StrToFloat reads back to exactly `value`, with '.' as the
// separator; negative zero renders as "0". Infinities and NaNs render as "INF", "-INF", "NAN".
std::string FloatToStr(long double value);

// Plain decimal text of `value`.
std::string IntToStr(std::int64_t value);
