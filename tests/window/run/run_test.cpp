#include "angle_input.h"
#include "conversions.h"
#include "cordic.h"
#include "recording_window.h"
#include "run.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

struct RefusedCase {
    const char* name;
    const char* text;
    int typ;
    std::string_view message;
};

// GoogleTest names the case instead of dumping its bytes, padding included.
void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedRunTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRunTest, OnlySetsTheStatusAndReenablesTheButton) {
    TRecordingWindow window;
    window.input = GetParam().text;
    window.typ = GetParam().typ;
    RunComputation(window);
    EXPECT_EQ(window.log, (Log{"Button1-", "Input?", "Typ?",
                               "Status=" + std::string(GetParam().message), "Button1+"}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedRunTest,
    testing::Values(RefusedCase{"Letters", "abc", kUnitDegrees, kTextNotANumber},
                    RefusedCase{"Empty", "", kUnitRadians, kTextNotANumber},
                    RefusedCase{"NinetyOneDegrees", "91", kUnitDegrees, kTextOutOfRange},
                    RefusedCase{"RadiansAboveTheBound", "1.5708", kUnitRadians, kTextOutOfRange},
                    RefusedCase{"OverflowingDegrees", "1e4932", kUnitDegrees, kTextOutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunTest, CompletedRunPerformsItsOperationsInOrder) {
    TRecordingWindow window;
    window.input = "30";
    window.tb = 1;
    RunComputation(window);

    const long double theta = ParseAngle("30", kUnitDegrees).theta;
    Log expected{"Button1-",
                 "Input?",
                 "Typ?",
                 "Cos=Pocitam...",
                 "Sin=Pocitam...",
                 "Kcos=Pocitam...",
                 "Ksin=Pocitam...",
                 "Status=Pocitam...",
                 "Memo1 clear",
                 "Memo2 clear",
                 "Width?",
                 "Height?"};
    const auto [x, y, z] = CordicRotate(theta, [&](const TCordicStep& s) {
        const std::string i = IntToStr(s.i);
        expected.push_back("Memo1+" + i + ":" + FloatToStr(s.x));
        expected.push_back("Memo2+" + i + ":" + FloatToStr(s.y));
        expected.push_back("Frame " + FloatToStr(theta) + " " + FloatToStr(s.x) + " " +
                           FloatToStr(s.y) + " 100 100");
        expected.insert(expected.end(), {"Tb?", "Pump", "Tb?"});
    });
    expected.insert(expected.end(),
                    {"Cos=" + FloatToStr(x), "Sin=" + FloatToStr(y),
                     "Kcos=" + FloatToStr(cosl(theta)), "Ksin=" + FloatToStr(sinl(theta)),
                     "Status=Hotovo", "Button1+"});
    EXPECT_EQ(window.log, expected);
}

TEST(RunTest, TracePanelsHoldFiftyFourNumberedLines) {
    TRecordingWindow window;
    window.memo1 = {"old"};
    window.memo2 = {"old"};
    RunComputation(window);
    ASSERT_EQ(window.memo1.size(), 54u);
    ASSERT_EQ(window.memo2.size(), 54u);
    for (int i = 0; i < 54; ++i) {
        const std::string prefix = std::to_string(i) + ":";
        EXPECT_EQ(window.memo1[i].rfind(prefix, 0), 0u) << window.memo1[i];
        EXPECT_EQ(window.memo2[i].rfind(prefix, 0), 0u) << window.memo2[i];
        EXPECT_EQ(window.memo1[i].find(' '), std::string::npos);
    }
    EXPECT_EQ(window.memo1[0], "0:" + FloatToStr(CordicGain(53)));
    EXPECT_EQ(window.memo2[0], "0:0");
}

TEST(RunTest, ThirtyDegreesShowsCordicBesideTheLibrary) {
    TRecordingWindow window;
    RunComputation(window);
    EXPECT_EQ(window.Count("Sin=0.49999999999999991557"), 1u);
    EXPECT_EQ(window.Count("Ksin=0.4999999999999999823"), 1u);
}

TEST(RunTest, ZeroShowsTheLibraryValuesBesideTheSmallCordicSine) {
    TRecordingWindow window;
    window.input = "0";
    RunComputation(window);
    EXPECT_EQ(window.Count("Kcos=1"), 1u);
    EXPECT_EQ(window.Count("Ksin=0"), 1u);
    EXPECT_EQ(window.Count("Sin=5.7953021724656461986e-17"), 1u);
}

TEST(RunTest, PlotCentreIsHalfTheSizeTruncated) {
    TRecordingWindow window;
    window.width = 201;
    window.height = 99;
    RunComputation(window);
    const std::string& frame = window.log[14];
    EXPECT_EQ(frame.substr(frame.size() - 7), " 100 49") << frame;
}

struct PaceCase {
    const char* name;
    int position;
    int pumpsPerStep;
};

class PaceTest : public testing::TestWithParam<PaceCase> {};

TEST_P(PaceTest, PumpsAsOftenAsTheSliderSays) {
    TRecordingWindow window;
    window.tb = GetParam().position;
    RunComputation(window);
    EXPECT_EQ(window.pumps, 54 * GetParam().pumpsPerStep);
    EXPECT_EQ(window.Count("Status=Hotovo"), 1u);
}

INSTANTIATE_TEST_SUITE_P(Positions, PaceTest,
                         testing::Values(PaceCase{"Zero", 0, 0}, PaceCase{"Negative", -5, 0},
                                         PaceCase{"One", 1, 1}, PaceCase{"Seven", 7, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunTest, SliderMovedDuringAPauseActsAtOnce) {
    TRecordingWindow window;
    window.tb = 1000;
    // The user drags the slider to 3 during the fifth pump of the first step.
    window.onPump = [&](int pump) {
        if (pump == 5) {
            window.tb = 3;
        }
        return true;
    };
    RunComputation(window);
    EXPECT_EQ(window.pumps, 5 + 53 * 3);
}

TEST(RunTest, ExceptionDuringTheRunReenablesTheButtonAndPropagates) {
    TRecordingWindow window;
    window.onRecord = [](const std::string& entry) {
        if (entry.rfind("Memo2+10:", 0) == 0) {
            throw std::runtime_error("lost");
        }
    };
    EXPECT_THROW(RunComputation(window), std::runtime_error);
    EXPECT_EQ(window.log.back(), "Button1+");
    EXPECT_EQ(window.Count("Status=Hotovo"), 0u);
}

TEST(RunTest, BadAllocReadingTheInputPropagatesAndReenablesTheButton) {
    TRecordingWindow window;
    window.onRecord = [](const std::string& entry) {
        if (entry == "Input?") {
            throw std::bad_alloc();
        }
    };
    EXPECT_THROW(RunComputation(window), std::bad_alloc);
    EXPECT_EQ(window.log, (Log{"Button1-", "Input?", "Button1+"}));
}

TEST(RunTest, ClosingTheWindowDuringAPauseEndsTheRunWithoutFurtherWrites) {
    TRecordingWindow window;
    window.tb = 10;
    window.onPump = [](int pump) { return pump < 25; }; // closed in the third step's pause
    RunComputation(window);
    EXPECT_EQ(window.log.back(), "Pump");
    EXPECT_EQ(window.pumps, 25);
    EXPECT_EQ(window.memo1.size(), 3u);
    EXPECT_EQ(window.Count("Button1+"), 0u);
}

} // namespace
