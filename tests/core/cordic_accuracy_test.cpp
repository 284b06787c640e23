// The accuracy of CordicRotate's final pair over the whole accepted interval -h <= theta <= h,
// measured against cos and sin evaluated by MPFR at 192 bits of each extended angle exactly.
#include "angle_input.h"
#include "cordic.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <mpfr.h>
#include <random>
#include <vector>

namespace {

using Limits = std::numeric_limits<long double>;

// The error bound: the residual after the last step is at most atan 2^-53 = 1.1102230246e-16,
// and the extended arithmetic adds a few units of 2^-64 to it.
constexpr double kBound = 1.12e-16;
constexpr mpfr_prec_t kReferenceBits = 192;
// A rotation takes some 0.1 ms in the dev configuration (sanitizers, no optimisation).
constexpr int kUniformAngles = 20000;
constexpr int kScaledAngles = 4000;

// |cos theta - x| and |sin theta - y| computed exactly enough, for extended theta, x and y.
class TReference {
public:
    TReference() {
        mpfr_inits2(kReferenceBits, theta_, exact_, got_, static_cast<mpfr_ptr>(nullptr));
    }
    ~TReference() {
        mpfr_clears(theta_, exact_, got_, static_cast<mpfr_ptr>(nullptr));
        mpfr_free_cache(); // MPFR's cached constants, which LeakSanitizer would report
    }
    TReference(const TReference&) = delete;
    TReference& operator=(const TReference&) = delete;

    // The larger of the two errors of (x, y) against (cos theta, sin theta).
    double Error(long double theta, long double x, long double y) {
        mpfr_set_ld(theta_, theta, MPFR_RNDN); // exact: 64 significand bits fit
        mpfr_cos(exact_, theta_, MPFR_RNDN);
        const double errorX = Distance(x);
        mpfr_sin(exact_, theta_, MPFR_RNDN);
        const double errorY = Distance(y);
        return std::max(errorX, errorY);
    }

private:
    double Distance(long double value) {
        mpfr_set_ld(got_, value, MPFR_RNDN);
        mpfr_sub(got_, got_, exact_, MPFR_RNDN);
        mpfr_abs(got_, got_, MPFR_RNDN);
        return mpfr_get_d(got_, MPFR_RNDU);
    }

    mpfr_t theta_;
    mpfr_t exact_;
    mpfr_t got_;
};

// The angles measured: the ends, both zeros, tiny ones down to the smallest subnormal, angles
// uniform over [-h, h] and angles whose magnitudes spread evenly over the exponents 2^-1 ..
// 2^-80, each with a random 64-bit significand. A fixed seed keeps the figure reproducible.
std::vector<long double> MeasuredAngles() {
    std::vector<long double> angles = {
        kHalfPiDouble,  -kHalfPiDouble, 0.0L,      -0.0L,    Limits::denorm_min(),
        -Limits::min(), 1e-20L,         -0x1p-64L, 0x1p-53L, -0x1p-53L,
        0x1p-30L};
    std::mt19937_64 random(20240531);
    std::uniform_real_distribution<long double> uniform(-kHalfPiDouble, kHalfPiDouble);
    for (int k = 0; k < kUniformAngles; ++k) {
        angles.push_back(uniform(random));
    }
    std::uniform_int_distribution<int> exponent(-80, -1);
    for (int k = 0; k < kScaledAngles; ++k) {
        // A significand in [1, 2) with all 64 bits random.
        const auto bits = static_cast<long double>(random() | (std::uint64_t{1} << 63));
        const long double significand = ldexpl(bits, -63);
        const long double magnitude = ldexpl(significand, exponent(random));
        angles.push_back(k % 2 == 0 ? magnitude : -magnitude);
    }
    return angles;
}

TEST(CordicAccuracyTest, FinalPairIsWithinTheLastStepAngleOfCosineAndSine) {
    TReference reference;
    const std::vector<long double> angles = MeasuredAngles();
    double largest = 0;
    long double worstTheta = 0;
    for (const long double theta : angles) {
        ASSERT_LE(fabsl(theta), kHalfPiDouble);
        const auto [x, y, z] = CordicRotate(theta, [](const TCordicStep&) {});
        const double error = reference.Error(theta, x, y);
        if (error > largest) {
            largest = error;
            worstTheta = theta;
        }
    }
    char figure[96];
    std::snprintf(figure, sizeof figure, "%.5g over %zu angles, the largest at theta = %.21Lg",
                  largest, angles.size(), worstTheta);
    std::printf("largest error %s\n", figure);
    RecordProperty("largest_error", figure);
    EXPECT_LT(largest, kBound) << "at theta = " << static_cast<double>(worstTheta);
}

} // namespace
