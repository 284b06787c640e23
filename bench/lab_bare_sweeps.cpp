#include "lab_bare_sweeps.h"

#include "cordic.h"

#include <algorithm>
#include <cmath>
#include <mpfr.h>

// Each sweep is one system, mode and arithmetic written out by hand: plain registers, the
// rounding inlined, no overflow flags, no states; the exact values from MPFR as the engine
// takes them.

namespace {

constexpr int kSteps = 64;
constexpr int kIntervals = 1000;
constexpr long double kPi = 0xC.90FDAA22168C235p-2L;
constexpr long double kHalfPi = 0xC.90FDAA22168C235p-3L;

// The hyperbolic shifts 1, 2, 3, 4, 4, 5, ..., 13, 13, ..., 40, 40, ...
struct THyperbolicTables {
    int shift[kSteps];
    long double scale[kSteps]; // 2^-shift
    long double alpha[kSteps];
    long double gain[kSteps];
};

THyperbolicTables HyperbolicTables() {
    THyperbolicTables t{};
    long double k = 1.0L;
    for (int i = 0, s = 1; i < kSteps; ++i) {
        t.shift[i] = s;
        t.scale[i] = ldexpl(1.0L, -s);
        // atanh 1/2 as 1/2 (log1p 1/2 - log1p(-1/2)), one unit above atanhl's, as the engine holds it.
        t.alpha[i] = s == 1 ? 0.5L * (log1pl(0.5L) - log1pl(-0.5L)) : atanhl(t.scale[i]);
        k = (1.0L / sqrtl(1.0L - powl(2.0L, static_cast<long double>(-2 * s)))) * k;
        t.gain[i] = k;
        const bool repeat = (s == 4 || s == 13 || s == 40) && (i == 0 || t.shift[i - 1] != s);
        s += repeat ? 0 : 1;
    }
    return t;
}

// The low `bits` bits of v, sign-extended.
std::int64_t Wrap(std::int64_t v, int bits) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(v) << (64 - bits)) >> (64 - bits);
}

std::int64_t HalfUp(std::int64_t r, int s) {
    return s == 0 ? r : (r + (std::int64_t{1} << (s - 1))) >> s;
}

std::int64_t HalfEven(std::int64_t r, int s) {
    return s == 0 ? r : (r + (std::int64_t{1} << (s - 1)) - 1 + ((r >> s) & 1)) >> s;
}

class TMpfr {
public:
    explicit TMpfr(mpfr_prec_t bits) { mpfr_init2(v_, bits); }
    ~TMpfr() { mpfr_clear(v_); }
    TMpfr(const TMpfr&) = delete;
    TMpfr& operator=(const TMpfr&) = delete;
    mpfr_ptr operator*() { return v_; }
    long double Get() { return mpfr_get_ld(v_, MPFR_RNDN); }

private:
    mpfr_t v_;
};

} // namespace

TLabSweep BareHyperbolicRotationExtended() {
    const THyperbolicTables t = HyperbolicTables();
    TLabSweep worst{};
    TMpfr arg(256), c(64), s(64), e(64);
    for (int k = 0; k <= kIntervals; ++k) {
        const long double theta = -1.0L + (2.0L * k) / kIntervals;
        mpfr_set_ld(*arg, theta, MPFR_RNDN);
        mpfr_cosh(*c, *arg, MPFR_RNDN);
        mpfr_sinh(*s, *arg, MPFR_RNDN);
        mpfr_exp(*e, *arg, MPFR_RNDN);
        const long double ec = c.Get(), es = s.Get(), ee = e.Get();
        for (int n = 1; n <= kSteps; ++n) {
            long double x = t.gain[n - 1], y = 0.0L, z = theta;
            for (int i = 0; i < n; ++i) {
                const long double sigma = z >= 0.0L ? 1.0L : -1.0L;
                const long double st = sigma * t.scale[i];
                const long double xNew = x + st * y;
                y = y + st * x;
                x = xNew;
                z = z - t.alpha[i] * sigma;
            }
            const long double err = std::max({fabsl(x - ec), fabsl(y - es), fabsl((x + y) - ee)});
            worst[n - 1] = std::max(worst[n - 1], err);
        }
    }
    for (long double& w : worst) {
        w = ldexpl(w, 63);
    }
    return worst;
}

TLabSweep BareHyperbolicRotationFixed16_14HalfEvenGuard4() {
    constexpr int kW = 16, kF = 14, kG = 4, kInner = kW + kG, kInnerF = kF + kG;
    const THyperbolicTables t = HyperbolicTables();
    std::int64_t gain[kSteps], alpha[kSteps];
    for (int i = 0; i < kSteps; ++i) {
        gain[i] = static_cast<std::int64_t>(roundl(ldexpl(t.gain[i], kInnerF)));
        alpha[i] = static_cast<std::int64_t>(roundl(ldexpl(t.alpha[i], kInnerF)));
    }
    const long double unit = ldexpl(1.0L, -kF);
    const long double largest = ((1 << (kW - 1)) - 1) * unit;
    TLabSweep worst{};
    TMpfr arg(256), c(64), s(64), e(64);
    for (int k = 0; k <= kIntervals; ++k) {
        const long double held = roundl(ldexpl(-1.0L + (2.0L * k) / kIntervals, kF));
        const std::int64_t theta = static_cast<std::int64_t>(held) << kG;
        mpfr_set_ld(*arg, held * unit, MPFR_RNDN);
        mpfr_cosh(*c, *arg, MPFR_RNDN);
        mpfr_sinh(*s, *arg, MPFR_RNDN);
        mpfr_exp(*e, *arg, MPFR_RNDN);
        const long double ec = c.Get(), es = s.Get(), ee = e.Get();
        for (int n = 1; n <= kSteps; ++n) {
            std::int64_t x = gain[n - 1], y = 0, z = theta;
            for (int i = 0; i < n; ++i) {
                const std::int64_t sigma = z >= 0 ? 1 : -1;
                const std::int64_t dx = HalfEven(y, t.shift[i]), dy = HalfEven(x, t.shift[i]);
                x = Wrap(x + sigma * dx, kInner);
                y = Wrap(y + sigma * dy, kInner);
                z = Wrap(z - sigma * alpha[i], kInner);
            }
            const std::int64_t cosh = Wrap(HalfEven(x, kG), kW), sinh = Wrap(HalfEven(y, kG), kW);
            long double err = std::max(fabsl(cosh * unit - ec), fabsl(sinh * unit - es));
            if (ee <= largest) {
                err = std::max(err, fabsl(Wrap(cosh + sinh, kW) * unit - ee));
            }
            worst[n - 1] = std::max(worst[n - 1], err);
        }
    }
    for (long double& w : worst) {
        w = ldexpl(w, kF);
    }
    return worst;
}

TLabSweep BareLinearVectoringDouble(long double x0) {
    TLabSweep worst{};
    TMpfr a(256), b(256), q(64);
    const double x = static_cast<double>(x0);
    double scale[kSteps];
    for (int i = 0; i < kSteps; ++i) {
        scale[i] = ldexp(1.0, -i);
    }
    for (int k = 0; k <= kIntervals; ++k) {
        const long double c = -1.5L + (3.0L * k) / kIntervals;
        double y = static_cast<double>(c * x0);
        mpfr_set_ld(*a, y, MPFR_RNDN);
        mpfr_set_ld(*b, x, MPFR_RNDN);
        mpfr_div(*q, *a, *b, MPFR_RNDN);
        const long double quotient = q.Get();
        // The run of n steps is the first n of 64; x never changes, its error is 0.
        double z = 0.0;
        for (int i = 0; i < kSteps; ++i) {
            const double sigma = y < 0.0 ? 1.0 : -1.0;
            y = y + (sigma * scale[i]) * x;
            z = z - scale[i] * sigma;
            worst[i] = std::max(worst[i], fabsl(z - quotient));
        }
    }
    for (long double& w : worst) {
        w = ldexpl(w, 52);
    }
    return worst;
}

TLabSweep BareCircularRotationFixed16_14HalfUpGuard4() {
    constexpr int kW = 16, kF = 14, kG = 4, kInner = kW + kG, kInnerF = kF + kG;
    std::int64_t gain[kSteps], alpha[kSteps];
    for (int i = 0; i < kSteps; ++i) {
        gain[i] = static_cast<std::int64_t>(roundl(ldexpl(CordicGain(i), kInnerF)));
        alpha[i] = static_cast<std::int64_t>(roundl(ldexpl(atanl(ldexpl(1.0L, -i)), kInnerF)));
    }
    const auto halfPi = static_cast<std::int64_t>(roundl(ldexpl(kHalfPi, kInnerF)));
    const long double unit = ldexpl(1.0L, -kF);
    TLabSweep worst{};
    TMpfr arg(256), c(256), s(256);
    for (int k = 0; k <= kIntervals; ++k) {
        const long double held = roundl(ldexpl(-kPi + ((2.0L * kPi) * k) / kIntervals, kF));
        const std::int64_t theta = static_cast<std::int64_t>(held) << kG;
        // 16/14 has no room for pi: the angles beyond pi/2 cannot be folded.
        if (theta > halfPi || theta < -halfPi) {
            continue;
        }
        mpfr_set_ld(*arg, held * unit, MPFR_RNDN);
        mpfr_sin_cos(*s, *c, *arg, MPFR_RNDN);
        const long double ec = c.Get(), es = s.Get();
        for (int n = 1; n <= kSteps; ++n) {
            std::int64_t x = gain[n - 1], y = 0, z = theta;
            for (int i = 0; i < n; ++i) {
                const std::int64_t sigma = z >= 0 ? 1 : -1;
                const std::int64_t dx = HalfUp(y, i), dy = HalfUp(x, i);
                x = Wrap(x - sigma * dx, kInner);
                y = Wrap(y + sigma * dy, kInner);
                z = Wrap(z - sigma * alpha[i], kInner);
            }
            const long double err = std::max(fabsl(Wrap(HalfUp(x, kG), kW) * unit - ec),
                                             fabsl(Wrap(HalfUp(y, kG), kW) * unit - es));
            worst[n - 1] = std::max(worst[n - 1], err);
        }
    }
    for (long double& w : worst) {
        w = ldexpl(w, kF);
    }
    return worst;
}
