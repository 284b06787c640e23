#include "shown_step.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

// One event of a view: the rows' count after an append or a fresh start, or the user showing a
// row with the slider or the keys, or clicking one.
struct TEvent {
    enum Kind { Rows, Reset, Show, Pick, Previous, Newest } kind;
    int value = 0;
};

struct TShownCase {
    const char* name;
    std::vector<TEvent> events;
    int shown;
    int picked;
};

void PrintTo(const TShownCase& c, std::ostream* os) {
    *os << c.name;
}

class ShownStepTest : public testing::TestWithParam<TShownCase> {};

TEST_P(ShownStepTest, ShowsTheRowTheEventsLeave) {
    TShownStep step;
    for (const TEvent& event : GetParam().events) {
        switch (event.kind) {
        case TEvent::Rows:
            step.SetRowCount(event.value);
            break;
        case TEvent::Reset:
            step.Reset();
            break;
        case TEvent::Show:
            step.Show(event.value);
            break;
        case TEvent::Pick:
            step.Pick(event.value);
            break;
        case TEvent::Previous:
            step.Previous();
            break;
        case TEvent::Newest:
            step.Newest();
            break;
        }
    }
    EXPECT_EQ(step.Shown(), GetParam().shown);
    EXPECT_EQ(step.Picked(), GetParam().picked);
}

INSTANTIATE_TEST_SUITE_P(
    Events, ShownStepTest,
    testing::Values(
        TShownCase{"NothingWithoutRows", {}, -1, -1},
        TShownCase{"FollowsTheNewestAsRowsArrive", {{TEvent::Rows, 5}, {TEvent::Rows, 6}}, 5, -1},
        TShownCase{"MovingOntoTheNewestFollowsItOn",
                   {{TEvent::Rows, 5}, {TEvent::Show, 4}, {TEvent::Rows, 6}},
                   5,
                   -1},
        TShownCase{"AClickedNewestRowStaysAsRowsArrive",
                   {{TEvent::Rows, 5}, {TEvent::Pick, 4}, {TEvent::Rows, 6}},
                   4,
                   4},
        TShownCase{"PreviousFromTheNewestPicksTheRowBefore",
                   {{TEvent::Rows, 5}, {TEvent::Previous, 0}, {TEvent::Rows, 9}},
                   3,
                   3},
        TShownCase{"NewestLetsAPickGo",
                   {{TEvent::Rows, 5}, {TEvent::Show, 1}, {TEvent::Newest, 0}, {TEvent::Rows, 7}},
                   6,
                   -1},
        TShownCase{"AFreshStartForgetsThePick",
                   {{TEvent::Rows, 5}, {TEvent::Show, 2}, {TEvent::Reset, 0}, {TEvent::Rows, 1}},
                   0,
                   -1},
        TShownCase{"FewerRowsDropAPickBeyondThem",
                   {{TEvent::Rows, 10}, {TEvent::Pick, 8}, {TEvent::Rows, 3}},
                   2,
                   -1}),
    [](const auto& info) { return std::string(info.param.name); });

// The right arrow: one row on, and at the newest none, which a paused run turns into its next
// step.
TEST(ShownStepNextTest, TellsWhetherThereWasARowAfter) {
    TShownStep step;
    step.SetRowCount(3);
    step.Show(1);
    EXPECT_TRUE(step.Next());
    EXPECT_EQ(step.Shown(), 2);
    EXPECT_EQ(step.Picked(), -1);
    EXPECT_FALSE(step.Next());
    EXPECT_EQ(step.Shown(), 2);
}

} // namespace
