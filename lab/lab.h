#pragma once

// LabRun, LabSweep: CORDIC with every setting the main window keeps fixed left free -- the
// coordinate system, the mode, the number of steps, the arithmetic and, for fixed point, the
// rounding of a shift and the guard bits -- with the errors measured.
//
// Method
//   One iteration for three coordinate systems m (circular 1, linear 0, hyperbolic -1). Step
//   i = 0 .. n - 1 shifts by s_i and turns by the constant alpha_i in the direction sigma:
//       x' = x - m sigma 2^-s y,   y' = y + sigma 2^-s x,   z' = z - sigma alpha_i.
//   Rotation drives z to 0 (sigma = +1 while z >= 0, either zero, -1 otherwise), vectoring
//   drives y to 0 (sigma = +1 while y < 0, -1 otherwise).
//   Circular: s_i = i, alpha_i = atan 2^-i. Each step lengthens (x, y) by sqrt(1 + 2^-2i); the
//   gain K_n = CordicGain(n - 1) = prod_{k<n} 1/sqrt(1 + 2^-2k) undoes that in advance.
//   Rotation from (K_n, 0, theta) ends at (cos, sin) of theta - z_n: the core's rotation
//   (cordic.h). Vectoring from (x0, y0, 0) ends with z_n = atan2(y0, x0) and x_n = hypot / K_n,
//   which one multiplication by K_n undoes.
//   Linear: s_i = i, alpha_i = 2^-i, and x stays as it is. Rotation from (a, b, c) gives
//   y_n = b + a (c - z_n), a multiplication; vectoring from (x0, y0, 0) gives z_n = y0 / x0,
//   a division.
//   Hyperbolic: s_i = 1, 2, 3, 4, 4, 5, ..., 13, 13, 14, ..., 40, 40, 41, ..., alpha_i =
//   atanh 2^-s_i. atanh 2^0 is infinite, so the shifts start at 1; 4, 13 and 40 (each 3k + 1 of
//   the one before) are taken twice, because the later steps together fall short of the step
//   before them (sum_{j>s} atanh 2^-j < atanh 2^-s) and some arguments could not be reached;
//   n counts the repeats, so 64 steps end at shift 61. Each step shortens (x, y) by
//   sqrt(1 - 2^-2s); K'_n = prod 1/sqrt(1 - 2^-2s_k) undoes it. Rotation from (K'_n, 0, t)
//   gives (cosh, sinh) of t - z_n and exp = cosh + sinh as a third result; vectoring from
//   (x0, y0, 0) gives z_n = atanh(y0 / x0) and x_n = sqrt(x0^2 - y0^2) / K'_n. Two ways to
//   further functions: ln a = 2 atanh((a - 1)/(a + 1)), vectoring (a + 1, a - 1), and
//   sqrt a = sqrt((a + 1/4)^2 - (a - 1/4)^2), vectoring (a + 1/4, a - 1/4).
//   Arithmetic: x87 extended, IEEE double or single (SSE, each operation rounded, nothing
//   fused: float_format.h), or two's complement fixed point (fixed_format.h): W-bit inputs and
//   results with F fraction bits, 8 <= W <= 64, computed on internal registers of W + G bits
//   with F + G fraction bits, G guard bits. A shift is arithmetic and rounded as the setup says
//   (Floor, HalfUp, HalfEven: rounded_shift.h); every sum wraps to the internal word, and a
//   result leaves it rounded back to F bits the same way and wrapped to W bits. Inputs and
//   constants are computed in extended and brought into the format: fmt(v), round to nearest
//   even for the floating formats, roundl(v 2^F) for a fixed-point input (then widened by G
//   bits, exactly) and roundl(v 2^(F+G)) for a constant.
//
// Domain
//   Circular rotation: |theta| <= pi, pi the extended one. The steps reach |z| up to
//   R_n = sum_{i<n} alpha_i (R_64 = 1.7433 rad), past pi/2 but not pi: an angle beyond +-pi/2
//   is folded, z = theta -+ pi, and the final (x, y) negated. Circular vectoring: any point but
//   the origin; a point with x < 0 is folded to (-x, -y) with z starting at +-pi, the sign of
//   y's (-0 included, as atan2 takes it). Fixed point folds only where its word holds pi
//   (W - F >= 3).
//   Linear rotation: |c| <= 4; it reaches |c| <= R_64 = 2 - 2^-63. Linear vectoring: x0 != 0;
//   a point with x0 < 0 is folded to (-x0, -y0) (the quotient is the same), and the second
//   result, x0, negated back; it reaches |y0 / x0| <= 2 - 2^-63.
//   Hyperbolic rotation: |t| <= 4; it reaches |t| <= R_64 = 1.1182. Hyperbolic vectoring:
//   x0 > |y0|, between the asymptotes of the right branch; it reaches |atanh(y0 / x0)| <= 1.1182.
//   Beyond the reach the run goes on, the residual z_n stays large, and converges is false:
//   t = 1.2 ends with cosh 1.693 for the exact 1.811.
//
// Special cases (each a TLabRefusal, never undefined behaviour), checked in this order
//   BadSetup: a system, mode or arithmetic that is no enumerator, n outside 1 .. 64, or for
//   fixed point W outside 8 .. 64, F outside 0 .. W - 1, G outside 0 .. 16, W + G > 64 or a
//   rounding that is no enumerator (a floating setup reads neither G nor the rounding).
//   OutOfDomain: a rotation argument beyond its bound above, or NaN. DoesNotFit: an input that
//   is not finite or that the format cannot hold (1e4000L fits extended only; linear rotation's
//   a and b too). Origin: circular vectoring of (0, 0), linear vectoring with x0 = 0 as held.
//   OutOfDomain: hyperbolic vectoring with x0 <= |y0| as held. DoesNotFit, last: a constant the
//   run uses that the word cannot hold -- pi for a fold, alpha_0 = 1 (linear) and K'_n > 1.15
//   (hyperbolic), which need W - F >= 2.
//   Fixed point wraps as hardware does: the state whose update wrapped a register is marked
//   overflow -- state 0 when the fold's negation wrapped (x0 = -2^(W-F-1)), the last state when
//   a result wrapped as it left the word (e = 2.718 in 16/14, whose word ends at 2: exp wraps
//   to -1.2816). The floating formats mark the state where a register overflowed to infinity
//   (a point within 1/K = 1.6468 of the format's largest).
//   Floor shifts a negative register toward -infinity: past i = F + G a circular step adds
//   nothing to x and y but that rounding, while alpha_i rounds to 0, so more steps make it
//   worse. HalfUp and HalfEven take that drift away; guard bits take the output's rounding.
//
// Accuracy (errors in u: 2^-63 extended, 2^-52 double, 2^-23 single, 2^-F fixed point)
//   The exact values are MPFR's of the inputs as held in the format (exact_values.h): cos and
//   sin, atan2 and hypot, cosh, sinh and exp, b + a c and y0 / x0 each one operation correctly
//   rounded to extended; atanh(y0 / x0) and sqrt(x0^2 - y0^2) at 256 bits, rounded once. After
//   n steps |z_n| <= alpha_{n-1} (about 2^-n), so the error halves with each step until the
//   format's rounding takes over. Largest error over 1,001 inputs (LabSweep):
//   circular rotation, theta -pi .. pi (fixed 16/14 has no room for pi and keeps the 501
//   within +-pi/2):
//                         n = 14     n = 24     n = 53     n = 54     n = 64
//       extended          1.1e15     1.05e12    2.01e3     996        4.5
//       double            5.38e11    5.11e8     3.73       3.71       3.71
//       single            1000       2.3        2.3        2.3        2.3
//       fixed 16/14       7.83       14.6       43.6       44.6       54.6
//       16/14 HalfEven    4.31       3.31       3.31       3.31       3.31
//       16/14 HalfEven G4 2.43       0.737      0.737      0.737      0.737
//   circular vectoring of (cos, sin) theta, n = 64: extended 10, double 6.3, single 5.57,
//   fixed 16/14 34.2 (4.73 at 15).
//                         hyperbolic rotation         hyperbolic vectoring
//                         t = -1 .. 1                 (cosh t, sinh t), t = -1 .. 1
//                         n = 16    n = 32   n = 64   n = 16    n = 32   n = 64
//       extended          1.43e15   2.33e10  16       5.62e14   8.57e9   6
//       double            6.99e11   1.14e7   8.98     2.75e11   4.19e6   3.08
//       single            1.3e3     5.58     5.58     511       2.42     2.42
//       fixed 16/14       12.2      25.1     57.1     11.9      31.9     69.9
//       16/14 HalfEven G4 2.61      1.14     1.14     1.43      0.754    0.754
//                         linear rotation of (0.75, 0.25)    linear vectoring of (1.25, 1.25 c)
//                         c = -1.5 .. 1.5                    c = -1.5 .. 1.5
//       extended          2.11e14   3.22e9   1        2.81e14   4.29e9   1
//       double            1.03e11   1.57e6   1.5      1.37e11   2.1e6    0.8
//       single            192       1.5      1.5      256       0.8      0.8
//       fixed 16/13       2         2        2        1.6       1.6      1.6
//       16/13 HalfEven G4 0.5       0.5      0.5      0.4       0.4      0.4
//   (hyperbolic rotation counts exp where the word holds it: 16/14 holds no e^t above 2.)
//   The main window's setup (54 steps, extended) gives for 30 degrees x = 0.8660254037844386957
//   (357 u) and y = 0.49999999999999991557 (615.5 u); 64 steps bring that to 2.5 u and 1 u.
//   Hyperbolic rotation of 0.5 in 64 steps gives cosh, sinh and exp to 0 u in extended.
//
// Constants (constants.h)
//   pi = 3.14159265358979323851 (significand 0xC90FDAA22168C235), pi/2 = 1.57079632679489661926,
//   K_54 = CordicGain(53) = 0.60725293500888125616, atan 2^0 = 0.78539816339744830963,
//   R_64 = 1.7432866204723400035 (circular).
//   atanh 2^-1 = 0x8.c9f53d5681854bcp-4 = 0.54930614433405484573 (pinned: the upper extended
//   neighbour of ln(3)/2, as 1/2 (log1pl(1/2) - log1pl(-1/2)) gives it), K'_1 = 1.154700538379251529, K'_16 = 1.2074970670133592768,
//   K'_64 = 1.2074970677630721288 (its factors are 1 in extended past shift 32),
//   R_4 = 0.99295774183450623334, R_5 = 1.0555393133115092405, R_64 = 1.1181730155265038032
//   (hyperbolic; shifts 1 .. 64 without the repeats would reach 1.055469373735484972).
//   Linear: alpha_0 = 1, R_n = 2 - 2^(1-n).

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
    bool folded;                   // the input was folded into the inner quadrants (circular)
                                   // or the right half-plane (linear vectoring)
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

// The largest error, in units u, of the results over 1,001 inputs, for n = 1 .. 64 (element
// n - 1); setup.steps is not read. k = 0 .. 1000, each input computed in extended left to right:
// circular rotation theta_k = -pi + (2 pi k) / 1000, vectoring the point (cosl, sinl) of it;
// hyperbolic rotation t_k = -1 + 2k / 1000, vectoring (coshl, sinhl) of it; linear rotation
// the setup's a and b with c_k = -1.5 + 3k / 1000, vectoring (x0, c_k x0) of the setup's x0.
// Hyperbolic rotation counts exp too where the word holds the exact e^t. Inputs the setup
// refuses are left out (an n where all are has the error 0).
TLabSweep LabSweep(const TLabSetup& setup);
