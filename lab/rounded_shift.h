#pragma once

// TRoundedShift: a register shifted right by s, r 2^-s, rounded to an integer as a hardware
// shifter with the chosen rounding does it, in one formula for all three:
//       (r + bias + ((r >> s) & parity)) >> s,   >> arithmetic (toward -infinity)
//   Floor     bias 0,             parity 0: r >> s, toward -infinity;
//   HalfUp    bias 2^(s-1),       parity 0: the nearest, ties toward +infinity;
//   HalfEven  bias 2^(s-1) - 1,   parity 1: the nearest, ties to even -- a tie reaches the next
//             integer only when the kept part r >> s is odd.
//   A shift by 0 is exact (bias and parity 0). The sum needs one bit more than r and the bias
//   (s <= 63): T = std::int64_t serves registers of up to 63 bits, a 64-bit register or a
//   result on its way out of the word (up to 2^126) takes TWide.

#include "fixed_word.h"
#include "lab.h"

#include <cstdint>

struct TRoundedShift {
    std::int32_t s = 0;
    std::int64_t bias = 0;
    std::int64_t parity = 0;

    template <class T> T Of(T r) const { return (r + bias + ((r >> s) & parity)) >> s; }
};

// 0 <= s <= 63.
inline TRoundedShift RoundedShift(TLabRounding rounding, std::int32_t s) {
    if (s == 0 || rounding == TLabRounding::Floor) {
        return {s, 0, 0};
    }
    const std::int64_t half = std::int64_t{1} << (s - 1);
    return rounding == TLabRounding::HalfUp ? TRoundedShift{s, half, 0}
                                            : TRoundedShift{s, half - 1, 1};
}
