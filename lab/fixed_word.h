#pragma once

// TFixedWord: W-bit two's-complement registers with F fraction bits, computed the way a hardware
// datapath computes them.
//
//   A register holding the integer r (-2^(W-1) <= r <= 2^(W-1) - 1) stands for r 2^-F. It is
//   kept sign-extended in a std::int64_t, so every W from 8 to 64 shares one representation.
//
//   Bringing a value in: the integer nearest to v 2^F, ties away from zero (roundl(ldexpl(v,
//   F))), and only when it fits the W bits; otherwise, and for NaN and infinities, it does not
//   fit.
//   Sums and differences are formed exactly in 128 bits and then wrapped to W bits: the low W
//   bits are kept and sign-extended, as an adder that drops its carry out does. A result that
//   changed in wrapping is reported, never undefined.
//   The shift by i is arithmetic: it rounds toward minus infinity (-1 >> 1 = -1), and a shift
//   by W or more leaves 0 or -1, only the sign.
//   The product of two registers has 2F fraction bits; it is rounded back to F bits to nearest,
//   ties away from zero, then wrapped.

#include <cstdint>

// GCC and clang's 128-bit integers; ISO C++ has none.
__extension__ typedef __int128 TWide;
__extension__ typedef unsigned __int128 TUWide;

class TFixedWord {
public:
    // 8 <= bits <= 64 and 0 <= fraction <= bits - 1; the caller checks.
    TFixedWord(std::int32_t bits, std::int32_t fraction);

    std::int32_t Bits() const { return bits_; }
    std::int32_t Fraction() const { return fraction_; }

    // The register for v, or false when v does not fit.
    bool Format(long double v, std::int64_t& raw) const;
    // r 2^-F, exact: every register has at most 64 significant bits.
    long double Value(std::int64_t raw) const;
    // The low W bits of v, sign-extended; `wrapped` is set when that changed v.
    std::int64_t Wrap(TWide v, bool& wrapped) const {
        const auto low = static_cast<std::uint64_t>(static_cast<TUWide>(v));
        // Modular conversion to signed (C++20), then an arithmetic shift back: sign extension.
        const auto r = static_cast<std::int64_t>(low << unused_) >> unused_;
        wrapped = wrapped || r != v;
        return r;
    }
    // raw >> i on W bits: a shift of the sign-extended register by 63 already leaves only the
    // sign, as any shift by W or more does.
    static std::int64_t Shift(std::int64_t raw, std::int32_t i) { return raw >> (i < 63 ? i : 63); }
    // a b 2^-F rounded to nearest, ties away from zero, then wrapped.
    std::int64_t Product(std::int64_t a, std::int64_t b, bool& wrapped) const;

private:
    std::int32_t bits_;
    std::int32_t fraction_;
    std::int32_t unused_; // 64 - W, the bits above the register in its std::int64_t
};
