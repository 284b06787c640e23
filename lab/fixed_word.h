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
//   The product of two registers has 2F fraction bits; it is rounded back to F bits to nearest,
//   ties away from zero, in 128 bits (|a b| <= 2^126), and left to the caller to wrap.

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

    // The register for v, or false (and raw unchanged) when v does not fit: roundl(ldexpl(v, F)),
    // the scaling exact and the rounding inline.
    bool Format(long double v, std::int64_t& raw) const {
        const long double scaled = v * up_;
        if (!(scaled > below_ && scaled < above_)) { // NaN too
            return false;
        }
        // |scaled| < 2^63 + 1: the truncation is defined, and scaled - t is exact.
        const auto t = static_cast<std::int64_t>(scaled);
        const long double fraction = scaled - static_cast<long double>(t);
        raw = t + (fraction >= 0.5L ? 1 : 0) - (fraction <= -0.5L ? 1 : 0);
        return true;
    }
    // r 2^-F, exact: every register has at most 64 significant bits.
    long double Value(std::int64_t raw) const { return static_cast<long double>(raw) * down_; }
    // The largest value a register holds, (2^(W-1) - 1) 2^-F.
    long double Largest() const;
    // The low W bits of v, sign-extended; `wrapped` is set when that changed v. V is
    // std::int64_t or TWide.
    template <class V> std::int64_t Wrap(V v, bool& wrapped) const {
        const auto low = static_cast<std::uint64_t>(v);
        // Modular conversion to signed (C++20), then an arithmetic shift back: sign extension.
        const auto r = static_cast<std::int64_t>(low << unused_) >> unused_;
        wrapped |= r != v;
        return r;
    }
    // a b 2^-F rounded to nearest, ties away from zero; not wrapped.
    TWide Product(std::int64_t a, std::int64_t b) const;

private:
    std::int32_t bits_;
    std::int32_t fraction_;
    std::int32_t unused_; // 64 - W, the bits above the register in its std::int64_t
    // 2^F and 2^-F: scaling by them is exact (as ldexpl is) for every finite v and register,
    // and infinite where ldexpl's is.
    long double up_;
    long double down_;
    // The scaled values beyond which the nearest integer, ties away from zero, leaves the W
    // bits: -2^(W-1) - 1/2 and 2^(W-1) - 1/2 (for W = 64, where -2^63 - 1/2 is no extended
    // number, the one below it, -2^63 - 1).
    long double below_;
    long double above_;
};
