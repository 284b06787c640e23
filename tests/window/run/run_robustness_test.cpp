// Bad input from the field through a whole run: pasted megabytes, NUL bytes, invalid UTF-8 and
// angles that overflow in the degree conversion. Each must end in one of the run's three exits
// (the two refusals or "Hotovo") with the start button enabled again.
#include "angle_input.h"
#include "recording_window.h"
#include "run.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMegabyte = std::size_t{1} << 20;
constexpr std::size_t kSteps = 54;

std::string Repeated(char c, std::size_t n) {
    return std::string(n, c);
}

struct FieldCase {
    const char* name;
    std::string text;
    int typ;
    std::string_view exit; // the status the run ends with

    // Names the case in failure messages; without it GoogleTest would dump the raw bytes,
    // padding included, which memcheck rightly reports as uninitialised reads.
    friend void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }
};

class FieldInputTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldInputTest, EndsInOneOfTheThreeExitsWithTheButtonEnabled) {
    TRecordingWindow window;
    window.input = GetParam().text;
    window.typ = GetParam().typ;
    ASSERT_NO_THROW(RunComputation(window));
    EXPECT_EQ(window.status, GetParam().exit);
    EXPECT_TRUE(window.button1Enabled);
    EXPECT_EQ(window.buttonChanges, 2);
    const bool completed = GetParam().exit == kTextDone;
    EXPECT_EQ(window.memo1.size(), completed ? kSteps : 0u);
    EXPECT_EQ(window.memo2.size(), completed ? kSteps : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldInputTest,
    testing::Values(
        FieldCase{"MegabyteOfDigitsInRadians", Repeated('7', kMegabyte), kUnitRadians,
                  kTextOutOfRange},
        FieldCase{"MegabyteOfDigitsInDegrees", Repeated('7', kMegabyte), kUnitDegrees,
                  kTextOutOfRange},
        FieldCase{"MegabyteOfLetters", Repeated('x', kMegabyte), kUnitDegrees, kTextNotANumber},
        FieldCase{"MegabyteFractionUnderflowsToZero", "0." + Repeated('0', kMegabyte) + "1",
                  kUnitDegrees, kTextDone},
        FieldCase{"MegabyteOfBlanksAroundAnAngle",
                  Repeated(' ', kMegabyte / 2) + "30" + Repeated('\t', kMegabyte / 2), kUnitDegrees,
                  kTextDone},
        FieldCase{"MegabyteExponent", "1e" + Repeated('9', kMegabyte), kUnitRadians,
                  kTextOutOfRange},
        FieldCase{"MegabyteNegativeExponent", "1e-" + Repeated('9', kMegabyte), kUnitRadians,
                  kTextDone},
        FieldCase{"MegabyteOfDigitsEndingInNul", Repeated('1', kMegabyte) + std::string(1, '\0'),
                  kUnitRadians, kTextNotANumber},
        FieldCase{"NulAlone", std::string(1, '\0'), kUnitDegrees, kTextNotANumber},
        FieldCase{"NulInsideAnAngle",
                  std::string("3\0"
                              "0",
                              3),
                  kUnitDegrees, kTextNotANumber},
        FieldCase{"NulAfterAnAngle", std::string("30\0", 3), kUnitDegrees, kTextNotANumber},
        FieldCase{"InvalidUtf8Bytes",
                  "\xff\xfe"
                  "30",
                  kUnitDegrees, kTextNotANumber},
        FieldCase{"TruncatedUtf8Sequence", "30\xc3", kUnitDegrees, kTextNotANumber},
        FieldCase{"DegreeSignAfterTheAngle", "30\xc2\xb0", kUnitDegrees, kTextNotANumber},
        FieldCase{"UnicodeMinus",
                  "\xe2\x88\x92"
                  "30",
                  kUnitDegrees, kTextNotANumber},
        FieldCase{"LargestExtendedInDegreesOverflows", "1.18973149535723176502e4932", kUnitDegrees,
                  kTextOutOfRange},
        FieldCase{"NegativeDegreesOverflow", "-3.8e4931", kUnitDegrees, kTextOutOfRange},
        FieldCase{"DegreesJustBelowOverflow", "3.7e4931", kUnitDegrees, kTextOutOfRange},
        FieldCase{"TextBeyondTheExtendedRange", "1e99999999999999999999", kUnitDegrees,
                  kTextOutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

// A lesson's worth of alternating good and bad input on one window: every run ends idle, and a
// refusal leaves the previous run's panels and results as they were.
TEST(FieldInputTest, AlternatingRunsLeaveTheWindowConsistent) {
    TRecordingWindow window;
    const std::string bad[] = {Repeated('x', 4096),
                               std::string("4\0"
                                           "5",
                                           3),
                               "\xff", "1e4932"};
    std::string completedCos;
    for (int run = 0; run < 40; ++run) {
        window.input = run % 2 == 0 ? "45" : bad[(run / 2) % std::size(bad)];
        RunComputation(window);
        ASSERT_TRUE(window.button1Enabled) << run;
        if (run % 2 == 0) {
            ASSERT_EQ(window.status, kTextDone) << run;
            completedCos = window.cos;
        } else {
            ASSERT_NE(window.status, kTextDone) << run;
            ASSERT_EQ(window.memo1.size(), kSteps) << run;
            ASSERT_EQ(window.cos, completedCos) << run;
        }
    }
}

} // namespace
