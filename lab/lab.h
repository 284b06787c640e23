#pragma once

// LabRun, LabSweep: CORDIC with every setting the main window keeps fixed left free -- the mode,
// the number of steps, the arithmetic -- over the whole circle, with the errors measured.
//
// Method
//   Rotation (cos theta, sin theta): the core's rotation (cordic.h) in n steps. Start from
//   (x, y) = (K_n, 0), z = theta; step i = 0 .. n - 1 turns by sigma atan 2^-i, sigma = +1 while
//   z >= 0 (either zero) and -1 otherwise:
//       x' = x - sigma 2^-i y,   y' = y + sigma 2^-i x,   z' = z - sigma atan 2^-i.
//   The gain K_n = CordicGain(n - 1) = prod_{k<n} 1/sqrt(1 + 2^-2k) undoes the n lengthenings
//   in advance, so (x_n, y_n) is (cos, sin) of theta - z_n.
//   Vectoring (atan2(y0, x0), hypot(x0, y0)): start from (x0, y0), z = 0, and turn with
//   sigma = +1 while y < 0, -1 otherwise, the same update: y goes to 0, z collects the angle
//   turned, and x_n = hypot / K_n, which one multiplication by K_n undoes.
//   Arithmetic: x87 extended, IEEE double or single (SSE, each operation rounded, nothing
//   fused: float_format.h), or W-bit two's complement with F fraction bits, 8 <= W <= 64, with
//   2^-i as an arithmetic shift and every result wrapped to W bits (fixed_format.h). Inputs and
//   constants are computed in extended and brought into the format: fmt(v), round to nearest
//   even for the floating formats, roundl(v 2^F) for fixed point.
//
// Domain
//   Rotation: |theta| <= pi, pi the extended one. The steps reach |z| up to
//   sum atan 2^-i = 1.7433 rad, past pi/2 but not pi: an angle beyond +-pi/2 is folded,
//   z = theta -+ pi, and the final (x, y) negated. Vectoring: any point but the origin; a point
//   with x < 0 is folded to (-x, -y) with z starting at +-pi, the sign of y's (-0 included, as
//   atan2 takes it). Fixed point folds only where its word holds pi (W - F >= 3).
//
// Special cases (each a TLabRefusal, never undefined behaviour)
//   BadSetup: n outside 1 .. 64, or for fixed point W outside 8 .. 64 or F outside 0 .. W - 1;
//   checked first. OutOfDomain: |theta| > pi or NaN. DoesNotFit: an input that is not finite
//   or that the format cannot hold (1e4000L fits extended only), or a fold without room for pi.
//   Origin: the point (0, 0) has no angle.
//   Fixed point wraps as hardware does: the state whose update wrapped a register is marked
//   overflow -- state 0 when the fold's negation wrapped (x0 = -2^(W-F-1)), the last state when
//   the final negation or the length's product did. The floating formats mark the state where a
//   register overflowed to infinity (a point within 1/K = 1.6468 of the format's largest).
//   A shift by i >= W leaves 0 or -1: a step past F adds nothing to x and y but, for negative
//   registers, a rounding toward -infinity, while a_i rounds to 0 from i = F + 1 on.
//
// Accuracy (errors in u: 2^-63 extended, 2^-52 double, 2^-23 single, 2^-F fixed point)
//   The exact values are MPFR's cos and sin of theta as held in the format, or atan2 and hypot of
//   the point as held, correctly rounded to extended (exact_values.h). After n steps |z_n| <=
//   atan 2^-(n-1), so the error halves with each step until the format's rounding takes over.
//   Largest error over 1,001 angles -pi .. pi (LabSweep; fixed point 16/14 has no room for pi
//   and keeps the 501 within +-pi/2):
//       rotation          n = 14     n = 24     n = 53     n = 54     n = 64
//       extended          1.1e15     1.05e12    2.01e3     996        4.5
//       double            5.38e11    5.11e8     3.73       3.71       3.71
//       single            1000       2.3        2.3        2.3        2.3
//       fixed 16/14       7.83       14.6       43.6       44.6       54.6
//       vectoring, n = 64: extended 10, double 6.3, single 5.57, fixed 16/14 34.2 (4.73 at 15).
//   Fixed point gets worse past its best n (7.83 u for n = 14 .. 17): each further step shifts
//   in one more rounding toward -infinity while its a_i is 0. The main window's setup (54 steps,
//   extended) gives for 30 degrees x = 0.8660254037844386957 (357 u) and
//   y = 0.49999999999999991557 (615.5 u); 64 steps bring that to 2.5 u and 1 u.
//
// Constants (constants.h)
//   pi = 3.14159265358979323851 (significand 0xC90FDAA22168C235), pi/2 = 1.57079632679489661926,
//   K_54 = CordicGain(53) = 0.60725293500888125616, atan 2^0 = 0.78539816339744830963.

#include <array>
#include <cstdint>
#include <vector>

// The most steps a run takes, and the length of a sweep.
inline constexpr std::int32_t kLabMaxSteps = 64;

enum class TLabMode { Rotation, Vectoring };
enum class TLabArithmetic { Extended, Double, Single, Fixed };
// The coordinate system: the curve the iteration keeps (x, y) on, and what it computes.
enum class TLabSystem { Circular, Linear, Hyperbolic };
// How a fixed-point register shifted right by s >= 1 is rounded: toward -infinity (a plain
// arithmetic shift), to nearest with ties toward +infinity, or to nearest with ties to even.
enum class TLabRounding { Floor, HalfUp, HalfEven };

struct TLabSetup {
    TLabMode mode = TLabMode::Rotation;
    TLabArithmetic arithmetic = TLabArithmetic::Extended;
    std::int32_t steps = 54;        // n, 1 .. kLabMaxSteps
    std::int32_t wordBits = 16;     // W, Fixed only: 8 .. 64
    std::int32_t fractionBits = 14; // F, Fixed only: 0 .. W - 1
    // theta: circular rotation the angle in radians, hyperbolic rotation the argument t, linear
    // rotation the multiplier c. x0, y0: the point of vectoring in every system; linear
    // rotation the a and b of y = b + a c.
    long double theta = 0;
    long double x0 = 1, y0 = 0;
    TLabSystem system = TLabSystem::Circular;
    TLabRounding rounding = TLabRounding::Floor; // Fixed only
    std::int32_t guardBits = 0;                  // G, Fixed only: 0 .. 16, W + G <= 64
};

struct TLabState {
    std::int32_t i;      // 0 .. n - 1: the state before step i's update; n: after the last
    std::int32_t sigma;  // the direction step i takes, +1 or -1; 0 on the state after the last
    long double x, y, z; // the registers' values (every format's values fit an extended)
    // Fixed: the W + G-bit registers as integers with F + G fraction bits, sign-extended; else 0
    std::int64_t rawX, rawY, rawZ;
    bool overflow;          // the update that produced this state wrapped a register (Fixed)
                            // or made one infinite (floating); on the state after the last
                            // also a result that wrapped as it left the word
    std::int32_t shift = 0; // s, the shift step i uses; 0 on the state after the last
};

enum class TLabRefusal { None, BadSetup, OutOfDomain, DoesNotFit, Origin };

struct TLabRun {
    TLabRefusal refusal;
    bool folded;                   // the input was folded into the inner quadrants
    std::vector<TLabState> states; // n + 1 states; empty when refused
    // circular rotation cos, sin; circular vectoring angle, length; linear rotation b + a c, a;
    // linear vectoring y0 / x0, x0; hyperbolic rotation cosh, sinh; hyperbolic vectoring
    // atanh(y0 / x0), sqrt(x0^2 - y0^2)
    long double first, second;
    long double exactFirst, exactSecond; // the exact values of the same functions
    long double unit;                    // u, the unit the errors are counted in
    bool converges = false;              // the input lies within what the n steps reach (LabReach)
    long double third = 0;               // Hyperbolic rotation: exp = first + second, in the format
    long double exactThird = 0;          // Hyperbolic rotation: the exact exp; else 0
};

TLabRun LabRun(const TLabSetup& setup);

// R_n, the sum of the n steps' constants alpha_0 + ... + alpha_{n-1} in extended: how far
// from its start z (rotation) or its angle, quotient or atanh (vectoring) a run of n steps
// reaches. 0 for n outside 1 .. kLabMaxSteps.
long double LabReach(TLabSystem system, std::int32_t steps);

// The largest error of a sweep, in units u, for n = 1 .. kLabMaxSteps (element n - 1).
using TLabSweep = std::array<long double, kLabMaxSteps>;

// The largest error, in units u, of either result over 1,001 inputs, for n = 1 .. 64 (element
// n - 1); setup.steps is not read. Rotation: theta_k = -pi + (2 pi k) / 1000, k = 0 .. 1000;
// vectoring: the point (cosl theta_k, sinl theta_k). Inputs the setup refuses are left out.
TLabSweep LabSweep(const TLabSetup& setup);
