#include "screen_fit.h"

#include <gtest/gtest.h>
#include <ostream>

// Read in failure messages; found by argument-dependent lookup beside the types.
void PrintTo(const TScreenRect& r, std::ostream* os) {
    *os << "{" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << "}";
}
void PrintTo(const TScreenPoint& p, std::ostream* os) {
    *os << "{" << p.x << ", " << p.y << "}";
}
void PrintTo(const TScreenSize& s, std::ostream* os) {
    *os << "{" << s.width << ", " << s.height << "}";
}

namespace {

// The main window's frame at its design position: the 555 x 515 client with a window manager's
// borders and title bar.
constexpr TScreenRect kMainWindow{269, 120, 563, 542};
// The step view's frame at its design size: the 1180 x 700 client, framed the same way.
constexpr TScreenSize kStepView{1188, 727};
constexpr int kNarrowest = 1000;

struct TFitCase {
    const char* name;
    TScreenRect frame;
    TScreenRect available;
    TScreenPoint expected;
};

TEST(FitFrameOnScreenTest, KeepsTheDesignPositionWhereItFitsElseMovesJustEnough) {
    const TFitCase cases[] = {
        {"fits on a 1600x1200 screen", {269, 120, 563, 542}, {0, 0, 1600, 1200}, {269, 120}},
        {"exactly fits", {269, 120, 563, 542}, {0, 0, 832, 662}, {269, 120}},
        {"scale 2 on 1600x1200: moved left and up",
         {269, 120, 563, 542},
         {0, 0, 800, 600},
         {237, 58}},
        {"scale 2 on a 1080p projector with a panel",
         {269, 120, 563, 542},
         {0, 0, 960, 512},
         {269, 0}},
        {"panel at the top of a small screen", {269, 10, 563, 542}, {0, 32, 800, 568}, {237, 32}},
        {"second screen to the right", {269, 120, 563, 542}, {1920, 0, 1024, 768}, {1920, 120}},
        {"larger than the screen keeps its top-left on it",
         {269, 120, 1000, 800},
         {0, 0, 800, 600},
         {0, 0}},
    };
    for (const TFitCase& c : cases) {
        EXPECT_EQ(FitFrameOnScreen(c.frame, c.available), c.expected) << c.name;
    }
}

struct TPlaceCase {
    const char* name;
    TScreenRect owner;
    TScreenRect available;
    TScreenRect expected;
};

TEST(PlaceBesideTest, PutsTheStepViewWhollyOnTheScreensSchoolsHave) {
    const TPlaceCase cases[] = {
        {"1920x1080 with a panel: beside, narrowed to the room",
         kMainWindow,
         {0, 0, 1920, 1048},
         {840, 120, 1080, 727}},
        {"1920x1080, main window at the left edge: beside at full size",
         {0, 0, 563, 542},
         {0, 0, 1920, 1080},
         {571, 0, 1188, 727}},
        {"1920x1080, main window at the right edge: to its left",
         {1357, 100, 563, 542},
         {0, 0, 1920, 1080},
         {161, 100, 1188, 727}},
        {"1366x768: no room beside, covers it as far right as it goes",
         kMainWindow,
         {0, 0, 1366, 768},
         {178, 41, 1188, 727}},
        {"1280x800: covers it", kMainWindow, {0, 0, 1280, 800}, {92, 73, 1188, 727}},
        {"1024x768: cut to the screen's width", kMainWindow, {0, 0, 1024, 768}, {0, 41, 1024, 727}},
        {"1024x768 with a bottom panel: cut to both",
         kMainWindow,
         {0, 0, 1024, 700},
         {0, 0, 1024, 700}},
        {"main window scaled 2 on 1920x1080: covers it",
         {0, 0, 1118, 1057},
         {0, 0, 1920, 1080},
         {732, 0, 1188, 727}},
        {"second screen to the right",
         {2189, 120, 563, 542},
         {1920, 0, 1366, 768},
         {2098, 41, 1188, 727}},
    };
    for (const TPlaceCase& c : cases) {
        EXPECT_EQ(PlaceBeside(c.owner, kStepView, kNarrowest, c.available), c.expected) << c.name;
    }
}

// The laboratory's frame: the 1120 x 700 client, framed.
constexpr TScreenSize kLaboratory{1128, 727};
constexpr int kNarrowestLaboratory = 900;

struct TClearCase {
    const char* name;
    TScreenRect stepView;
    TScreenRect available;
    TScreenRect expected;
};

TEST(PlaceClearTest, PutsTheLaboratoryWhereItCoversTheStepViewLeast) {
    const TClearCase cases[] = {
        {"2560x1600: below the step view, covering nothing",
         {840, 120, 1188, 727},
         {0, 0, 2560, 1600},
         {840, 855, 1128, 727}},
        {"1920x1080 with a panel: no room for three; low at the left, the main window's top and "
         "most of the step view in view",
         {840, 120, 1080, 727},
         {0, 0, 1920, 1048},
         {0, 321, 1080, 727}},
        {"the step view elsewhere: beside the main window as without it",
         {0, 700, 600, 300},
         {0, 0, 1920, 1048},
         {840, 120, 1080, 727}},
    };
    for (const TClearCase& c : cases) {
        const TScreenRect others[] = {c.stepView};
        EXPECT_EQ(PlaceClear(kMainWindow, others, kLaboratory, kNarrowestLaboratory, c.available),
                  c.expected)
            << c.name;
    }
    EXPECT_EQ(PlaceClear(kMainWindow, {}, kLaboratory, kNarrowestLaboratory, {0, 0, 1920, 1048}),
              PlaceBeside(kMainWindow, kLaboratory, kNarrowestLaboratory, {0, 0, 1920, 1048}))
        << "no other window";
}

struct TZoomCase {
    const char* name;
    double factor;
    TScreenRect available;
    TScreenSize expected;
};

// The step view's 1180 x 700 at 100 % in a frame of 8 x 27 pixels.
TEST(ZoomedWindowSizeTest, GrowsWithTheZoomUpToTheScreen) {
    const TZoomCase cases[] = {
        {"150 % on a large screen", 1.5, {0, 0, 2560, 1440}, {1770, 1050}},
        {"100 % keeps the size", 1.0, {0, 0, 1920, 1080}, {1180, 700}},
        {"300 % on 1024x768: the whole screen less the frame", 3.0, {0, 0, 1024, 768}, {1016, 741}},
        {"200 % below a panel", 2.0, {0, 32, 1366, 736}, {1358, 709}},
    };
    for (const TZoomCase& c : cases) {
        EXPECT_EQ(ZoomedWindowSize({1180, 700}, c.factor, {8, 27}, c.available), c.expected)
            << c.name;
    }
}

} // namespace
