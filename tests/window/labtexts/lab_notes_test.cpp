#include "lab_input.h"
#include "lab_notes.h"
#include "sweep_floor.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TLabSetup Fixed(std::int32_t word, std::int32_t fraction, std::int32_t steps) {
    TLabSetup setup;
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.wordBits = word;
    setup.fractionBits = fraction;
    setup.steps = steps;
    return setup;
}

TLabSetup Point(TLabSystem system, long double x, long double y, std::int32_t steps) {
    TLabSetup setup;
    setup.system = system;
    setup.mode = TLabMode::Vectoring;
    setup.x0 = x;
    setup.y0 = y;
    setup.steps = steps;
    return setup;
}

// 30 degrees, read as the main window reads it, is (30 pi_double) / 180 = 0.5235987755982988527 in
// extended (not pi / 6 = ...88731), the register 8579 in 16/14 (8579 / 2^14), the double and the
// float nearest to it elsewhere; linear rotation holds all three of a, b and c.
TEST(LabHeldLineTest, TheInputAsTheFormatHoldsItBesideTheInputTyped) {
    TLabSetup thirty = Fixed(16, 14, 14);
    thirty.theta = ReadLabAngle("30", true).value();
    EXPECT_EQ(LabHeldLine(TLabInput::Theta, thirty), "θ v registri = 0.52362060546875");
    EXPECT_EQ(LabTypedLine(TLabInput::Theta, thirty), "zadané 0.52359877559829885263");
    EXPECT_EQ(LabExactCaption(thirty), "presne pre θ v registri");
    thirty.arithmetic = TLabArithmetic::Double;
    EXPECT_EQ(LabHeldLine(TLabInput::Theta, thirty), "θ v registri = 0.5235987755982988");
    thirty.arithmetic = TLabArithmetic::Single;
    EXPECT_EQ(LabHeldLine(TLabInput::Theta, thirty), "θ v registri = 0.5235988");
    thirty.arithmetic = TLabArithmetic::Extended;
    EXPECT_EQ(LabHeldLine(TLabInput::Theta, thirty), "θ v registri = 0.52359877559829885263");

    TLabSetup product = Fixed(16, 14, 20);
    product.system = TLabSystem::Linear;
    product.x0 = 0.75L;
    product.y0 = 0;
    product.theta = 1.3L;
    EXPECT_EQ(LabHeldLine(TLabInput::Theta, product), "c v registri = 1.29998779296875");
    EXPECT_EQ(LabHeldLine(TLabInput::X, product), "a v registri = 0.75");
    EXPECT_EQ(LabTypedLine(TLabInput::Theta, product), "zadané 1.3");
    EXPECT_EQ(LabExactCaption(product), "presne pre a, b, c v registri");

    TLabSetup point = Point(TLabSystem::Circular, -3, -4, 16);
    EXPECT_EQ(LabHeldLine(TLabInput::Y, point), "y v registri = -4");
    EXPECT_EQ(LabExactCaption(point), "presne pre x, y v registri");
    point.system = TLabSystem::Hyperbolic;
    point.mode = TLabMode::Rotation;
    EXPECT_EQ(LabExactCaption(point), "presne pre t v registri");
}

TEST(LabReachLineTest, BeyondTheReachOfTheStepsWithTheRunsReach) {
    struct TCase {
        const char* name;
        TLabSetup setup;
        const char* line;
    };
    TLabSetup t = {};
    t.system = TLabSystem::Hyperbolic;
    t.steps = 64;
    TLabSetup near = t;
    near.theta = 1.1L;
    TLabSetup beyond = t;
    beyond.theta = 1.2L;
    TLabSetup sixty;
    sixty.steps = 1;
    sixty.theta = ReadLabAngle("60", true).value();
    TLabSetup folded = sixty; // 120 degrees starts at z = -60 degrees
    folded.theta = ReadLabAngle("120", true).value();
    TLabSetup product;
    product.system = TLabSystem::Linear;
    product.steps = 20;
    product.theta = 3;
    const TCase cases[] = {
        {"t = 1.1 converges", near, ""},
        {"t = 1.2 is beyond R_64", beyond, "Mimo dosahu krokov: |t| ≤ 1.1182"},
        {"one step reaches 45 degrees", sixty, "Mimo dosahu krokov: |θ| ≤ 0.7854"},
        {"a folded angle counts from pi", folded, "Mimo dosahu krokov: |θ − π| ≤ 0.7854"},
        {"linear R_20 = 2 - 2^-19", product, "Mimo dosahu krokov: |c| ≤ 2.0000"},
        {"atanh 0.9 = 1.47", Point(TLabSystem::Hyperbolic, 1, 0.9L, 64),
         "Mimo dosahu krokov: |atanh(y / x)| ≤ 1.1182"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(LabReachLine(LabRun(c.setup), c.setup), c.line) << c.name;
    }
}

// (-3, -4) grows past 8 at state 3 in a word of four integer bits; eleven fraction bits leave room.
// A double's x + y past its largest number is infinite after the first step.
TEST(LabOverflowLineTest, TheFirstStateThatWrapped) {
    TLabSetup point = Fixed(16, 12, 16);
    point.mode = TLabMode::Vectoring;
    point.x0 = -3;
    point.y0 = -4;
    EXPECT_EQ(LabOverflowLine(LabRun(point), point),
              "Pretečenie v stave 3: hodnota sa do slova nezmestila");
    point.fractionBits = 11;
    EXPECT_EQ(LabOverflowLine(LabRun(point), point), "");
    TLabSetup huge = Point(TLabSystem::Circular, 1.7e308L, 1e308L, 16);
    huge.arithmetic = TLabArithmetic::Double;
    EXPECT_EQ(LabOverflowLine(LabRun(huge), huge),
              "Pretečenie v stave 1: hodnota prekročila rozsah formátu");
}

TEST(LabDerivedTest, LnAndSquareRootByWayOfHyperbolicVectoring) {
    EXPECT_EQ(LabDerivedPoint(TLabDerived::Logarithm, 2), std::pair(3.0L, 1.0L));
    EXPECT_EQ(LabDerivedPoint(TLabDerived::SquareRoot, 2), std::pair(2.25L, 1.75L));
    const TLabSetup ln2 = Point(TLabSystem::Hyperbolic, 3, 1, 64);
    EXPECT_EQ(LabDerivedLine(TLabDerived::Logarithm, LabRun(ln2), ln2),
              "ln a = 2·z = 0.69314718055994530986");
    const TLabSetup root2 = Point(TLabSystem::Hyperbolic, 2.25L, 1.75L, 64);
    EXPECT_EQ(LabDerivedLine(TLabDerived::SquareRoot, LabRun(root2), root2),
              "√a = dĺžka = 1.4142135623730950483");
    EXPECT_EQ(LabDerivedLine(TLabDerived::None, LabRun(root2), root2), "");
    // 24/20, 24 steps: z is the register 363408, 2z = 726816 / 2^20.
    TLabSetup fixed = Fixed(24, 20, 24);
    fixed.system = TLabSystem::Hyperbolic;
    fixed.mode = TLabMode::Vectoring;
    fixed.x0 = 3;
    fixed.y0 = 1;
    EXPECT_EQ(LabDerivedLine(TLabDerived::Logarithm, LabRun(fixed), fixed),
              "ln a = 2·z = 0.693145751953125");
}

TEST(LabModeTextTest, EachModeNamesWhatItsSystemComputes) {
    EXPECT_EQ(LabModeText(TLabSystem::Circular, TLabMode::Rotation), "Rotácia: kosínus a sínus");
    EXPECT_EQ(LabModeText(TLabSystem::Circular, TLabMode::Vectoring), "Vektorovanie: uhol a dĺžka");
    EXPECT_EQ(LabModeText(TLabSystem::Linear, TLabMode::Rotation), "Rotácia: násobenie");
    EXPECT_EQ(LabModeText(TLabSystem::Linear, TLabMode::Vectoring), "Vektorovanie: delenie");
    EXPECT_EQ(LabModeText(TLabSystem::Hyperbolic, TLabMode::Rotation), "Rotácia: cosh, sinh a exp");
    EXPECT_EQ(LabModeText(TLabSystem::Hyperbolic, TLabMode::Vectoring),
              "Vektorovanie: atanh, ln a odmocnina");
}

// A sweep reads the system, mode and arithmetic, fixed point's W, F, rounding and G, and linear
// rotation's a and b or linear vectoring's x; nothing else.
TEST(SameSweepTest, OnlyWhatTheSweepReads) {
    struct TCase {
        const char* name;
        void (*change)(TLabSetup&);
        TLabArithmetic arithmetic;
        TLabSystem system;
        TLabMode mode;
        bool same;
    };
    constexpr auto kFixed = TLabArithmetic::Fixed;
    constexpr auto kDouble = TLabArithmetic::Double;
    constexpr auto kCircular = TLabSystem::Circular;
    constexpr auto kLinear = TLabSystem::Linear;
    constexpr auto kRotation = TLabMode::Rotation;
    constexpr auto kVectoring = TLabMode::Vectoring;
    const TCase cases[] = {
        {"steps", [](TLabSetup& s) { s.steps = 3; }, kFixed, kCircular, kRotation, true},
        {"angle", [](TLabSetup& s) { s.theta = 1; }, kFixed, kCircular, kRotation, true},
        {"point", [](TLabSetup& s) { s.x0 = 2; }, kFixed, kCircular, kVectoring, true},
        {"double's W", [](TLabSetup& s) { s.wordBits = 20; }, kDouble, kCircular, kRotation, true},
        {"W", [](TLabSetup& s) { s.wordBits = 20; }, kFixed, kCircular, kRotation, false},
        {"F", [](TLabSetup& s) { s.fractionBits = 12; }, kFixed, kCircular, kRotation, false},
        {"rounding", [](TLabSetup& s) { s.rounding = TLabRounding::HalfUp; }, kFixed, kCircular,
         kRotation, false},
        {"G", [](TLabSetup& s) { s.guardBits = 2; }, kFixed, kCircular, kRotation, false},
        {"mode", [](TLabSetup& s) { s.mode = kVectoring; }, kFixed, kCircular, kRotation, false},
        {"system", [](TLabSetup& s) { s.system = kLinear; }, kFixed, kCircular, kRotation, false},
        {"linear b", [](TLabSetup& s) { s.y0 = 0.25L; }, kDouble, kLinear, kRotation, false},
        {"linear c", [](TLabSetup& s) { s.theta = 0.25L; }, kDouble, kLinear, kRotation, true},
        {"divisor", [](TLabSetup& s) { s.x0 = 1.25L; }, kDouble, kLinear, kVectoring, false},
        {"dividend", [](TLabSetup& s) { s.y0 = 0.25L; }, kDouble, kLinear, kVectoring, true},
    };
    for (const TCase& c : cases) {
        TLabSetup before;
        before.arithmetic = c.arithmetic;
        before.system = c.system;
        before.mode = c.mode;
        TLabSetup after = before;
        c.change(after);
        EXPECT_EQ(SameSweep(before, after), c.same) << c.name;
    }
}

} // namespace
