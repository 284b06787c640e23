#include "hand_run.h"
#include "lab_vector_geometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr long double kNear = 1e-15L;

TLabState At(long double x, long double y) {
    return {0, 1, x, y, 0, 0, 0, 0, false, 0};
}

TEST(LabHandRunTest, TheEngineRunsTheStatesWorkedByHand) {
    const TLabRun run = LabRun(HandSetup());
    ASSERT_EQ(run.states.size(), 5U);
    const std::int64_t hand[5][4] = {
        {77, 0, 32, +1}, {77, 38, -3, -1}, {68, 19, 13, +1}, {70, 27, 5, +1}, {71, 31, 1, 0}};
    for (std::size_t i = 0; i < 5; ++i) {
        const TLabState& state = run.states[i];
        EXPECT_EQ((std::vector<std::int64_t>{state.rawX, state.rawY, state.rawZ, state.sigma}),
                  (std::vector<std::int64_t>(hand[i], hand[i] + 4)))
            << "state " << i;
    }
}

TEST(LabCurveTest, EachSystemsCurveThroughAState) {
    struct TCase {
        TLabSystem system;
        TLabState state;
        TLabCurveKind kind;
        long double size;
    };
    const long double inf = std::numeric_limits<long double>::infinity();
    const TCase cases[] = {
        {TLabSystem::Circular, At(3, -4), TLabCurveKind::Circle, 5},
        {TLabSystem::Linear, At(0.75L, 0.975L), TLabCurveKind::Line, 0.75L},
        {TLabSystem::Hyperbolic, At(5, -4), TLabCurveKind::Hyperbola, 3},
        {TLabSystem::Hyperbolic, At(77 / 64.0L, 0), TLabCurveKind::Hyperbola, 1.203125L},
        // on an asymptote, left of it, or not finite: no curve
        {TLabSystem::Hyperbolic, At(0.5L, 0.5L), TLabCurveKind::None, 0},
        {TLabSystem::Hyperbolic, At(0.25L, -0.5L), TLabCurveKind::None, 0},
        {TLabSystem::Circular, At(inf, 0), TLabCurveKind::None, 0},
    };
    for (const TCase& c : cases) {
        const TLabCurve curve = LabCurveThrough(c.state, c.system);
        EXPECT_EQ(curve.kind, c.kind) << "x = " << static_cast<double>(c.state.x);
        EXPECT_EQ(curve.size, c.size) << "x = " << static_cast<double>(c.state.x);
    }
    // The hand run's last state: x^2 - y^2 = (71^2 - 31^2) / 4096 = 4080 / 4096.
    const TLabRun run = LabRun(HandSetup());
    EXPECT_NEAR(LabCurveThrough(run.states[4], TLabSystem::Hyperbolic).size, 0.998044963916957L,
                kNear);
}

TEST(LabPlaneTest, TheHandRunsPlaneHoldsEveryStateWithinItsMargin) {
    // States x 0 .. 77/64, y 0 .. 38/64; the height 0.59375 grown to half the width, 0.6015625,
    // about its middle 0.296875; then 1/16 of the width on every side.
    const TLabPlane plane = LabRunPlane(LabRun(HandSetup()), TLabSystem::Hyperbolic);
    EXPECT_EQ(plane.left, -0.0751953125L);
    EXPECT_EQ(plane.right, 1.2783203125L);
    EXPECT_EQ(plane.bottom, -0.0791015625L);
    EXPECT_EQ(plane.top, 0.6728515625L);
    EXPECT_NEAR(PlaneAspect(plane), 1.8, 1e-12);
    // Drawn in a square, the height grows to the width about its middle 0.296875; drawn in a
    // rectangle twice as wide as high, the width grows to twice the height.
    const TLabPlane square = WithAspect(plane, 1);
    EXPECT_EQ((std::vector{square.left, square.right, square.bottom, square.top}),
              (std::vector{-0.0751953125L, 1.2783203125L, -0.3798828125L, 0.9736328125L}));
    const TLabPlane wide = WithAspect(plane, 2);
    EXPECT_EQ((std::vector{wide.left, wide.right}), (std::vector{-0.150390625L, 1.353515625L}));
    EXPECT_EQ(WithAspect(plane, 0).bottom, plane.bottom);
    // State 4 (71/64, 31/64): 1213/1386 of the way across, 193/770 of the way down.
    const TViewPoint last = PlanePoint(plane, 71 / 64.0L, 31 / 64.0L);
    EXPECT_NEAR(last.right, 1213 / 1386.0L, kNear);
    EXPECT_NEAR(last.down, 193 / 770.0L, kNear);
}

TEST(LabPlaneTest, RunsOnAnAxisOrAtTheOriginOrBeyondTheFormatStillGetAPlane) {
    TLabRun run;
    run.states = {At(0, 0), At(0, 0)};
    const TLabPlane square = LabRunPlane(run, TLabSystem::Linear);
    EXPECT_EQ((std::vector{square.left, square.right, square.bottom, square.top}),
              (std::vector{-1.0L, 1.0L, -1.0L, 1.0L}));
    // Along the x axis: y widened to half of x's 1 about 0; an infinite state left out.
    run.states = {At(1, 0), At(std::numeric_limits<long double>::infinity(), 2)};
    const TLabPlane axis = LabRunPlane(run, TLabSystem::Linear);
    EXPECT_EQ((std::vector{axis.left, axis.right, axis.bottom, axis.top}),
              (std::vector{-0.0625L, 1.0625L, -0.3125L, 0.3125L}));
    // A circle's vertex (5, 0) beyond the state (3, 4): the arc from the x axis is in the plane.
    run.states = {At(3, 4)};
    const TLabPlane arc = LabRunPlane(run, TLabSystem::Circular);
    EXPECT_EQ((std::vector{arc.left, arc.right, arc.bottom, arc.top}),
              (std::vector{-0.3125L, 5.3125L, -0.3125L, 4.3125L}));
    // The largest extended values: the sides stay finite.
    const long double largest = std::numeric_limits<long double>::max();
    run.states = {At(largest / 2, -largest / 2)};
    const TLabPlane huge = LabRunPlane(run, TLabSystem::Linear);
    EXPECT_TRUE(std::isfinite(huge.right) && std::isfinite(huge.bottom));
    EXPECT_NEAR(PlaneAspect(huge), 1.0, 1e-12);
}

TEST(LabCurvePolylineTest, TheHyperbolasBranchRunsFromThePlanesBottomToItsTop) {
    const TLabRun run = LabRun(HandSetup());
    const TLabPlane plane = LabRunPlane(run, TLabSystem::Hyperbolic);
    const TLabCurve curve = LabCurveThrough(run.states[4], TLabSystem::Hyperbolic);
    const std::vector<TViewPoint> branch = CurvePolyline(curve, plane, 32);
    ASSERT_EQ(branch.size(), 33U);
    EXPECT_NEAR(branch.front().down, 1.0L, kNear);
    EXPECT_NEAR(branch.back().down, 0.0L, kNear);
    for (const TViewPoint& point : branch) {
        // Back in the plane, every point satisfies x^2 - y^2 = 4080/4096.
        const long double x = plane.left + point.right * (plane.right - plane.left);
        const long double y = plane.top - point.down * (plane.top - plane.bottom);
        EXPECT_NEAR(x * x - y * y, 4080 / 4096.0L, 1e-14L);
    }
    // The line spans the plane's height at x = a; the circle closes on itself.
    const std::vector<TViewPoint> line = CurvePolyline({TLabCurveKind::Line, 1}, plane, 32);
    ASSERT_EQ(line.size(), 2U);
    EXPECT_EQ(line[0].right, line[1].right);
    EXPECT_EQ(line[0].down, 1.0L);
    EXPECT_EQ(line[1].down, 0.0L);
    const std::vector<TViewPoint> circle = CurvePolyline({TLabCurveKind::Circle, 1}, plane, 32);
    EXPECT_NEAR(circle.front().right, circle.back().right, kNear);
    EXPECT_TRUE(CurvePolyline({}, plane, 32).empty());
}

TEST(LabMoveTest, TheMoveIntoAStateAndItsCaption) {
    const TLabRun run = LabRun(HandSetup());
    const auto move = LabMoveInto(run, 4);
    ASSERT_TRUE(move);
    EXPECT_EQ((std::vector<long double>{move->fromX, move->fromY, move->toX, move->toY}),
              (std::vector<long double>{1.09375L, 0.421875L, 1.109375L, 0.484375L}));
    EXPECT_EQ((std::vector{move->step, move->sigma, move->shift}), (std::vector{3, 1, 4}));
    EXPECT_FALSE(LabMoveInto(run, 0));
    EXPECT_FALSE(LabMoveInto(run, 5));
    EXPECT_EQ(LabStateCaption(run, 0), "stav 0: začiatok");
    EXPECT_EQ(LabStateCaption(run, 2), "stav 2: po kroku 1 (smer −, posun 2)");
    EXPECT_EQ(LabStateCaption(run, 4), "stav 4: po kroku 3 (smer +, posun 4)");
    EXPECT_EQ(LabStateCaption(run, 5), "");
}

TEST(LabAxisTicksTest, RoundStepsWithLabelsFromTheirDigits) {
    std::vector<std::string> texts;
    for (const TLabTick& tick : AxisTicks(-0.0751953125L, 1.2783203125L, 8)) {
        texts.push_back(tick.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"0", "0.2", "0.4", "0.6", "0.8", "1", "1.2"}));
    struct TCase {
        long double from, to;
        int most;
        std::vector<std::string> texts;
    };
    const TCase cases[] = {
        {-0.35L, 0.35L, 8, {"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"}},
        {-1.6L, 0.1L, 4, {"-1.5", "-1", "-0.5", "0"}},
        {0, 3e7L, 4, {"0", "1e7", "2e7", "3e7"}},
        {0, 1.2e6L, 3, {"0", "500000", "1000000"}},
        {-1.2e-4L, 4.5e-5L, 4, {"-0.0001", "-5e-5", "0"}},
        {1, 1, 4, {}},
    };
    for (const TCase& c : cases) {
        texts.clear();
        for (const TLabTick& tick : AxisTicks(c.from, c.to, c.most)) {
            texts.push_back(tick.text);
        }
        EXPECT_EQ(texts, c.texts) << static_cast<double>(c.from) << " .. "
                                  << static_cast<double>(c.to);
    }
}

} // namespace
