#include "step_view_layout.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

// The parts as a 100 % view measures them (DejaVu fonts at 9 points), and at 300 %.
TStepViewParts AtDesign() {
    TStepViewParts parts;
    parts.tableLeastWidth = 350;
    parts.tableWholeWidth = 1150;
    parts.tableLeastHeight = 80;
    parts.plotLeastWidth = 160;
    parts.plotLeastHeight = 250;
    parts.plotAspect = 0.6;
    parts.plotFixedWidth = 12;
    parts.plotFixedHeight = 40;
    parts.plotCaptionWidth = 280;
    parts.controlsWidth = 300;
    parts.controlsHeightBelow = 70;
    parts.controlsHeightBeside = 120;
    parts.chartLeastWidth = 240;
    parts.chartLeastHeight = 150;
    parts.magnifierLeastWidth = 150;
    parts.magnifierLeastHeight = 150;
    parts.gap = 6;
    return parts;
}

TStepViewParts AtThreeHundred() {
    TStepViewParts parts;
    parts.tableLeastWidth = 914;
    parts.tableWholeWidth = 3400;
    parts.tableLeastHeight = 160;
    parts.plotLeastWidth = 480;
    parts.plotLeastHeight = 450;
    parts.plotAspect = 0.6;
    parts.plotFixedWidth = 36;
    parts.plotFixedHeight = 100;
    parts.plotCaptionWidth = 830;
    parts.controlsWidth = 260;
    parts.controlsHeightBelow = 220;
    parts.controlsHeightBeside = 280;
    parts.chartLeastWidth = 720;
    parts.chartLeastHeight = 450;
    parts.magnifierLeastWidth = 450;
    parts.magnifierLeastHeight = 450;
    parts.gap = 6;
    return parts;
}

struct TArrangeCase {
    const char* name;
    TStepViewRoom room;
    TStepViewParts parts;
    TStepViewArrangement expected;
};

void PrintTo(const TArrangeCase& c, std::ostream* os) {
    *os << c.name;
}

class ArrangeStepViewTest : public testing::TestWithParam<TArrangeCase> {};

TEST_P(ArrangeStepViewTest, GivesEachPartItsShare) {
    const TStepViewArrangement got = ArrangeStepView(GetParam().room, GetParam().parts);
    const TStepViewArrangement& want = GetParam().expected;
    EXPECT_EQ(got.stacked, want.stacked);
    EXPECT_EQ(got.controlsBeside, want.controlsBeside);
    EXPECT_EQ(got.chartsSideBySide, want.chartsSideBySide);
    EXPECT_EQ(got.tableWidth, want.tableWidth);
    EXPECT_EQ(got.lessonWidth, want.lessonWidth);
    EXPECT_EQ(got.lessonHeight, want.lessonHeight);
    EXPECT_EQ(got.tableHeight, want.tableHeight);
    EXPECT_EQ(got.topHeight, want.topHeight);
    EXPECT_EQ(got.chartsHeight, want.chartsHeight);
}

// Worked by hand. A laptop at 100 %: the charts take 30 % of 600; the plot uses 194 pixels at
// the top row's height but its caption 280 and the controls 300, so the lesson takes 300 and
// the table the rest. A full HD screen: the table gets all its 1150 pixels and the lesson the
// 744 left. A 1024 x 768 projector at 300 % in full screen: the table's least (914) and the
// plot's (480) do not fit side by side, so the lesson is on top with its controls beside the
// plot, given all the table's least (160) leaves of 630; the charts, one above the other, are
// scrolled to. Narrower still, the controls go below the plot. On a room lower than the least
// heights, each part keeps its least and the view scrolls.
INSTANTIATE_TEST_SUITE_P(
    Rooms, ArrangeStepViewTest,
    testing::Values(TArrangeCase{"LaptopAtDesign",
                                 {1000, 600},
                                 AtDesign(),
                                 {false, false, true, 694, 300, 414, 414, 414, 180}},
                    TArrangeCase{"FullHdTakesTheWholeTable",
                                 {1900, 1000},
                                 AtDesign(),
                                 {false, false, true, 1150, 744, 694, 694, 694, 300}},
                    TArrangeCase{"ProjectorAtThreeHundredStacks",
                                 {1006, 630},
                                 AtThreeHundred(),
                                 {true, true, false, 1006, 1006, 464, 160, 630, 906}},
                    TArrangeCase{"NarrowAtThreeHundredPutsTheControlsBelow",
                                 {700, 900},
                                 AtThreeHundred(),
                                 {true, false, false, 700, 700, 734, 160, 900, 906}},
                    TArrangeCase{"TooLowKeepsTheLeastAndScrolls",
                                 {900, 400},
                                 AtThreeHundred(),
                                 {true, true, false, 900, 900, 450, 160, 616, 906}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
