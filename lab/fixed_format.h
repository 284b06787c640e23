#pragma once

// TFixedArithmetic: the laboratory's CORDIC on W-bit fixed-point registers (fixed_word.h), with
// shifts and adds only, as hardware computes it:
//       x' = x - sigma (y >> i),   y' = y + sigma (x >> i),   z' = z - sigma a_i,
// each result wrapped to W bits. The constants are the extended ones of constants.h rounded to
// registers once: K_n and a_i always fit (both below 1, and the smallest word, F = W - 1, holds
// up to 1 - 2^-F; F = 0 holds them as 1), pi and pi/2 only when W - F - 1 >= 2 and >= 1.

#include "constants.h"
#include "fixed_word.h"

#include <array>
#include <cmath>
#include <cstdint>

class TFixedArithmetic {
public:
    using TReg = std::int64_t;

    TFixedArithmetic(std::int32_t bits, std::int32_t fraction) : word_(bits, fraction) {
        const TLabTables& tables = LabTables(TLabSystem::Circular);
        for (std::int32_t i = 0; i < kLabMaxSteps; ++i) {
            word_.Format(tables.gain[i], gain_[i]);
            word_.Format(tables.alpha[i], angle_[i]);
        }
        piFits_ = word_.Format(kLabPi, pi_);
        halfPiFits_ = word_.Format(kLabHalfPi, halfPi_);
    }

    // u = 2^-F.
    long double Unit() const { return ldexpl(1.0L, -word_.Fraction()); }

    bool Format(long double v, TReg& r) const {
        r = 0;
        return word_.Format(v, r);
    }
    long double Value(TReg r) const { return word_.Value(r); }
    static std::int64_t Raw(TReg r) { return r; }

    TReg Gain(std::int32_t n) const { return gain_[n - 1]; }
    bool Pi(TReg& p) const {
        p = pi_;
        return piFits_;
    }
    bool HalfPi(TReg& h) const {
        h = halfPi_;
        return halfPiFits_;
    }
    static bool SignOf(TReg v) { return v < 0; }

    TReg Add(TReg a, TReg b, bool& wrapped) const { return word_.Wrap(TWide{a} + b, wrapped); }
    TReg Subtract(TReg a, TReg b, bool& wrapped) const { return word_.Wrap(TWide{a} - b, wrapped); }
    TReg Negate(TReg v, bool& wrapped) const { return word_.Wrap(-TWide{v}, wrapped); }
    TReg Product(TReg x, TReg k, bool& wrapped) const { return word_.Product(x, k, wrapped); }

    // Step i in the direction sigma; true when a register wrapped.
    bool Turn(TReg& x, TReg& y, TReg& z, std::int32_t sigma, std::int32_t i) const {
        bool wrapped = false;
        const TWide dx = sigma * TWide{TFixedWord::Shift(y, i)};
        const TWide dy = sigma * TWide{TFixedWord::Shift(x, i)};
        const TReg xNew = word_.Wrap(x - dx, wrapped);
        const TReg yNew = word_.Wrap(y + dy, wrapped);
        z = word_.Wrap(z - sigma * TWide{angle_[i]}, wrapped);
        x = xNew;
        y = yNew;
        return wrapped;
    }

private:
    TFixedWord word_;
    std::array<TReg, kLabMaxSteps> gain_{};
    std::array<TReg, kLabMaxSteps> angle_{};
    TReg pi_ = 0;
    TReg halfPi_ = 0;
    bool piFits_ = false;
    bool halfPiFits_ = false;
};
