#pragma once

#include <limits>

// Every angle, accumulator and intermediate of the computation is an x87 80-bit extended real:
// GCC's long double on x86. The figures the program shows depend on its 64-bit significand.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the x87 80-bit extended format (64-bit significand)");
static_assert(std::numeric_limits<long double>::max_exponent == 16384,
              "long double must have the x87 15-bit exponent");
