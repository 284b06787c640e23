#pragma once

// TFixedArithmetic: the laboratory's CORDIC on fixed-point registers (fixed_word.h), with shifts
// and adds only, as hardware computes it. Step i of the coordinate system m (1 circular,
// 0 linear, -1 hyperbolic), s = s_i:
//       x' = x - m sigma round(y 2^-s),   y' = y + sigma round(x 2^-s),   z' = z - sigma alpha_i,
// each result wrapped to the internal word; the linear system leaves x alone (nothing shifted,
// nothing rounded). round is the setup's rounding (rounded_shift.h).
//
// Guard bits: the registers hold W + G bits with F + G fraction bits. An input is brought in at
// F fraction bits within W bits and then shifted left by G, exactly; every constant (K_n,
// alpha_i, pi, pi/2) is brought in at F + G fraction bits and must fit W + G bits. A result
// leaves the internal word last: rounded from F + G fraction bits to F by the same rounding,
// then wrapped to W bits. With G = 0 the two words are one.
//
// The constants that fit: circular K_n < 0.71 and alpha_i <= atan 1 = 0.79 fit every word; the
// linear alpha_0 = 1 and the hyperbolic K'_n >= 1.15 need W - F >= 2; pi needs W - F >= 3.

#include "constants.h"
#include "fixed_word.h"
#include "rounded_shift.h"

#include <array>
#include <cmath>
#include <cstdint>

// TSum, the type a sum, difference or rounded shift of registers is formed in before it wraps:
// std::int64_t where the internal word has at most 63 bits (none of them overflows it), TWide
// for a 64-bit word.
template <class TSum> class TFixedArithmetic {
public:
    using TReg = std::int64_t; // a register of the internal word
    using TExact = TWide;      // a result within the internal word's scale, before it leaves
    using TOut = std::int64_t; // a result: W bits, F fraction bits

    // The caller checks 8 <= bits <= 64, 0 <= fraction < bits, 0 <= guard, bits + guard <= 64.
    // Gain(n), GainFits(n) and AlphasFit(n) serve n within `counts`, Turn steps i < counts.last.
    TFixedArithmetic(const TLabTables& tables, TLabStepCounts counts, std::int32_t bits,
                     std::int32_t fraction, std::int32_t guard, TLabRounding rounding)
        : inner_(bits + guard, fraction + guard), outer_(bits, fraction), guard_(guard),
          leave_(RoundedShift(rounding, guard)) {
        bool alphasFit = true;
        for (std::int32_t i = 0; i < counts.last; ++i) {
            steps_[i].shift = RoundedShift(rounding, tables.shift[i]);
            alphasFit = inner_.Format(tables.alpha[i], steps_[i].alpha) && alphasFit;
            alphasFit_[i] = alphasFit;
        }
        for (std::int32_t n = counts.first; n <= counts.last; ++n) {
            gainFits_[n - 1] = inner_.Format(tables.gain[n - 1], gain_[n - 1]);
        }
        piFits_ = inner_.Format(kLabPi, pi_);
        halfPiFits_ = inner_.Format(kLabHalfPi, halfPi_);
    }

    // u = 2^-F.
    long double Unit() const { return ldexpl(1.0L, -outer_.Fraction()); }

    // An input: at F fraction bits within W bits, then widened by G bits.
    bool Format(long double v, TReg& r) const {
        std::int64_t raw = 0;
        const bool fits = outer_.Format(v, raw);
        r = raw * (std::int64_t{1} << guard_);
        return fits;
    }
    long double Value(TReg r) const { return inner_.Value(r); }
    long double OutValue(TOut r) const { return outer_.Value(r); }
    static std::int64_t Raw(TReg r) { return r; }
    // Whether a result of value v fits the output word.
    bool Holds(long double v) const { return v <= outer_.Largest(); }

    TReg Gain(std::int32_t n) const { return gain_[n - 1]; }
    bool GainFits(std::int32_t n) const { return gainFits_[n - 1]; }
    bool AlphasFit(std::int32_t n) const { return alphasFit_[n - 1]; }
    bool Pi(TReg& p) const {
        p = pi_;
        return piFits_;
    }
    bool HalfPi(TReg& h) const {
        h = halfPi_;
        return halfPiFits_;
    }
    static bool SignOf(TReg v) { return v < 0; }
    // x > |y|, also for y = -2^63.
    static bool Exceeds(TReg x, TReg y) { return TWide{x} > y && TWide{x} > -TWide{y}; }

    TReg Add(TReg a, TReg b, bool& wrapped) const { return inner_.Wrap(TSum{a} + b, wrapped); }
    TReg Subtract(TReg a, TReg b, bool& wrapped) const { return inner_.Wrap(TSum{a} - b, wrapped); }
    TReg Negate(TReg v, bool& wrapped) const { return inner_.Wrap(-TSum{v}, wrapped); }

    // The results: exact in 128 bits until they leave the internal word.
    static TExact Exact(TReg r) { return r; }
    static TExact Negated(TExact v) { return -v; }
    TExact Product(TReg x, TReg k, bool&) const { return inner_.Product(x, k); }
    TOut Leave(TExact v, bool& wrapped) const { return outer_.Wrap(leave_.Of(v), wrapped); }
    TOut Sum(TOut a, TOut b, bool& wrapped) const { return outer_.Wrap(TSum{a} + b, wrapped); }

    // Step i in the direction sigma of the system with coordinate M; true when a register
    // wrapped.
    template <std::int32_t M>
    bool Turn(TReg& x, TReg& y, TReg& z, std::int32_t sigma, std::int32_t i) const {
        const TStep& step = steps_[i];
        bool wrapped = false;
        const TReg yNew = inner_.Wrap(y + Signed(sigma, Shifted(step.shift, x)), wrapped);
        if constexpr (M != 0) {
            x = inner_.Wrap(x - Signed(M * sigma, Shifted(step.shift, y)), wrapped);
        }
        z = inner_.Wrap(z - Signed(sigma, step.alpha), wrapped);
        y = yNew;
        return wrapped;
    }

private:
    // sigma v for sigma = +-1, exact also for v = -2^63.
    static TSum Signed(std::int32_t sigma, TSum v) { return sigma > 0 ? v : -v; }
    static TSum Shifted(const TRoundedShift& shift, TReg r) { return shift.Of(TSum{r}); }

    struct TStep {
        TRoundedShift shift;
        TReg alpha = 0;
    };

    TFixedWord inner_; // W + G bits, F + G fraction bits: the registers
    TFixedWord outer_; // W bits, F fraction bits: the inputs and the results
    std::int32_t guard_;
    TRoundedShift leave_; // from F + G fraction bits to F
    std::array<TStep, kLabMaxSteps> steps_{};
    std::array<TReg, kLabMaxSteps> gain_{};
    std::array<bool, kLabMaxSteps> gainFits_{};
    std::array<bool, kLabMaxSteps> alphasFit_{}; // alphasFit_[n - 1]: alpha_0 .. alpha_{n-1}
    TReg pi_ = 0;
    TReg halfPi_ = 0;
    bool piFits_ = false;
    bool halfPiFits_ = false;
};
