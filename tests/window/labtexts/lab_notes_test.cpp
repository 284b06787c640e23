#include "lab_input.h"
#include "lab_notes.h"
#include "sweep_floor.h"

#include <gtest/gtest.h>

namespace {

TLabSetup MakeSetup(TLabSystem system, TLabMode mode, TLabArithmetic arithmetic,
                    std::int32_t steps) {
    TLabSetup setup;
    setup.system = system;
    setup.mode = mode;
    setup.arithmetic = arithmetic;
    setup.steps = steps;
    return setup;
}

constexpr auto kCircular = TLabSystem::Circular;
constexpr auto kHyperbolic = TLabSystem::Hyperbolic;
constexpr auto kRotation = TLabMode::Rotation;
constexpr auto kVectoring = TLabMode::Vectoring;
constexpr auto kFixed = TLabArithmetic::Fixed;
constexpr auto kExtended = TLabArithmetic::Extended;

// 30 degrees read as the main window reads it is (30 pi_double) / 180 = 0.5235987755982988527 in
// extended, not pi / 6 = ...88731; in 16/14 the register 8579 (8579 / 2^14).
TEST(LabHeldLineTest, TheInputAsTheFormatHoldsItBesideTheInputTyped) {
    TLabSetup thirty = MakeSetup(kCircular, kRotation, kFixed, 14);
    thirty.theta = ReadLabAngle("30", true).value();
    EXPECT_EQ(LabHeldLine(TLabInput::Theta, thirty), "θ v registri = 0.52362060546875");
    EXPECT_EQ(LabTypedLine(TLabInput::Theta, thirty), "zadané 0.52359877559829885263");
    EXPECT_EQ(LabExactCaption(thirty), "presne pre θ v registri");

    TLabSetup product = MakeSetup(TLabSystem::Linear, kRotation, kFixed, 20);
    product.theta = 1.3L; // 21299 / 2^14
    EXPECT_EQ(LabHeldLine(TLabInput::Theta, product), "c v registri = 1.29998779296875");
    EXPECT_EQ(LabExactCaption(product), "presne pre a, b, c v registri");
    EXPECT_EQ(LabExactCaption(MakeSetup(kHyperbolic, kVectoring, kFixed, 20)),
              "presne pre x, y v registri");
}

TEST(LabReachLineTest, BeyondTheReachOfTheStepsWithTheRunsReach) {
    TLabSetup t = MakeSetup(kHyperbolic, kRotation, kExtended, 64);
    t.theta = 1.1L;
    EXPECT_EQ(LabReachLine(LabRun(t), t), "");
    t.theta = 1.2L;
    EXPECT_EQ(LabReachLine(LabRun(t), t), "Mimo dosahu krokov: |t| ≤ 1.1182");
    // One step reaches atan 1; 120 degrees is folded to start at -60 degrees.
    TLabSetup folded = MakeSetup(kCircular, kRotation, kExtended, 1);
    folded.theta = ReadLabAngle("120", true).value();
    EXPECT_EQ(LabReachLine(LabRun(folded), folded), "Mimo dosahu krokov: |θ − π| ≤ 0.7854");
}

// (-3, -4) grows past 8 at state 3 in a word of four integer bits; 11 fraction bits leave room.
TEST(LabOverflowLineTest, TheFirstStateThatWrapped) {
    TLabSetup point = MakeSetup(kCircular, kVectoring, kFixed, 16);
    point.fractionBits = 12;
    point.x0 = -3;
    point.y0 = -4;
    EXPECT_EQ(LabOverflowLine(LabRun(point), point),
              "Pretečenie v stave 3: hodnota sa do slova nezmestila");
    point.fractionBits = 11;
    EXPECT_EQ(LabOverflowLine(LabRun(point), point), "");
}

// A sweep reads the system, mode and arithmetic, fixed point's W, F, rounding and G, and linear
// rotation's a and b or linear vectoring's x; not n, nor any other input.
TEST(SameSweepTest, OnlyWhatTheSweepReads) {
    const TLabSetup fixed = MakeSetup(kCircular, kRotation, kFixed, 54);
    TLabSetup other = fixed;
    other.steps = 3;
    other.theta = 1;
    EXPECT_TRUE(SameSweep(fixed, other));
    other.guardBits = 2;
    EXPECT_FALSE(SameSweep(fixed, other));
    const TLabSetup linear = MakeSetup(TLabSystem::Linear, kRotation, kExtended, 54);
    other = linear;
    other.wordBits = 20; // not read by extended
    other.theta = 0.25L;
    EXPECT_TRUE(SameSweep(linear, other));
    other.y0 = 0.25L;
    EXPECT_FALSE(SameSweep(linear, other));
}

} // namespace
