#include "lab_setups.h"
#include "rounded_shift.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using enum TLabRounding;
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// r 2^-s as each rounding gives it: ties (x.5) and their neighbours, signs, and the 64-bit
// extremes, which the 128-bit form takes without overflow.
struct ShiftCase {
    std::int64_t r;
    std::int32_t s;
    std::int64_t floor, halfUp, halfEven;
};

TEST(RoundedShiftTest, EachRoundingOfTiesAndExtremes) {
    for (const ShiftCase& c : {ShiftCase{5, 1, 2, 3, 2},        // 2.5
                               ShiftCase{7, 1, 3, 4, 4},        // 3.5
                               ShiftCase{-3, 1, -2, -1, -2},    // -1.5
                               ShiftCase{-1, 1, -1, 0, 0},      // -0.5
                               ShiftCase{13, 2, 3, 3, 3},       // 3.25
                               ShiftCase{-13, 2, -4, -3, -3},   // -3.25
                               ShiftCase{11, 2, 2, 3, 3},       // 2.75
                               ShiftCase{9, 0, 9, 9, 9},        // a shift by 0 is exact
                               ShiftCase{kMax, 63, 0, 1, 1},    // 1 - 2^-63
                               ShiftCase{kMin, 63, -1, -1, -1}, // -1
                               ShiftCase{std::int64_t{1} << 62, 63, 0, 1, 0},        // 0.5
                               ShiftCase{-(std::int64_t{1} << 62), 63, -1, 0, 0}}) { // -0.5
        for (const auto& [rounding, expected] :
             {std::pair{Floor, c.floor}, {HalfUp, c.halfUp}, {HalfEven, c.halfEven}}) {
            EXPECT_EQ(RoundedShift(rounding, c.s).Of(TWide{c.r}), expected)
                << c.r << " >> " << c.s << " rounding " << static_cast<int>(rounding);
        }
    }
}

// Worked by hand on 8 bits with 6 fraction bits, cosh and sinh of 0.5 in five steps: K'_5 =
// 1.2067 -> 77, t -> 32, alpha = atanh 1/2, 1/4, 1/8, 1/16 -> 35, 16, 8, 4; shifts 1, 2, 3, 4, 4.
// Floor: 77 >> 1 = 38. HalfUp takes the ties 77/2 = 38.5 up to 39 and 72/16 = 4.5 up to 5;
// HalfEven takes 38.5 to 38 and 38/4 = 9.5 to 10.
const TRegisterRows kFloorRun = {{77, 0, 32, 1, 1}, {77, 38, -3, -1, 2}, {68, 19, 13, 1, 3},
                                 {70, 27, 5, 1, 4}, {71, 31, 1, 1, 4},   {72, 35, -3, 0, 0}};
const TRegisterRows kHalfUpRun = {{77, 0, 32, 1, 1}, {77, 39, -3, -1, 2}, {67, 20, 13, 1, 3},
                                  {70, 28, 5, 1, 4}, {72, 32, 1, 1, 4},   {74, 37, -3, 0, 0}};
const TRegisterRows kHalfEvenRun = {{77, 0, 32, 1, 1}, {77, 38, -3, -1, 2}, {67, 19, 13, 1, 3},
                                    {69, 27, 5, 1, 4}, {71, 31, 1, 1, 4},   {73, 35, -3, 0, 0}};

TEST(HandWorkedTest, EightBitHyperbolicRunWithItsRepeat) {
    const std::pair<TLabRounding, TRegisterRows> cases[] = {
        {Floor, kFloorRun}, {HalfUp, kHalfUpRun}, {HalfEven, kHalfEvenRun}};
    for (const auto& [rounding, states] : cases) {
        const TLabRun run = LabRun(Fixed(Hyperbolic(Rotation(0.5L, 5)), 8, 6, rounding));
        EXPECT_EQ(RegistersWithShift(run, 6), states);
        // cosh and sinh are the last x and y; exp their sum.
        const auto [x, y, z, sigma, shift] = states.back();
        EXPECT_EQ(run.first, x / 64.0L);
        EXPECT_EQ(run.second, y / 64.0L);
        EXPECT_EQ(run.third, (x + y) / 64.0L);
    }
}

// Linear rotation 1.25 * 0.75 on 8 bits with 4 fraction bits and 2 guard bits, by hand: a = 20
// and c = 12 at 4 bits are widened to 80 and 48 at 6, the constants 64, 32, 16, 8 held at 6
// bits; y = 80, 40, 60, 70. 70 / 4 = 17.5 leaves the word as 17 (Floor) or 18 (HalfUp).
const TRegisterRows kWidenedRun = {{80, 0, 48, 1, 0},
                                   {80, 80, -16, -1, 1},
                                   {80, 40, 16, 1, 2},
                                   {80, 60, 0, 1, 3},
                                   {80, 70, -8, 0, 0}};

TEST(GuardBitsTest, InputsWidenAndResultsRoundAsTheyLeave) {
    for (const auto& [rounding, y] : {std::pair{Floor, 17 / 16.0L}, {HalfUp, 18 / 16.0L}}) {
        const TLabRun run = LabRun(Fixed(LinearRotation(1.25L, 0, 0.75L, 4), 8, 4, rounding, 2));
        EXPECT_EQ(RegistersWithShift(run, 5), kWidenedRun);
        EXPECT_EQ(run.states[4].y, 70 / 64.0L);
        EXPECT_EQ(run.first, y);
        EXPECT_EQ(run.second, 1.25L);
        EXPECT_EQ(run.unit, 1 / 16.0L);
    }
}

} // namespace
