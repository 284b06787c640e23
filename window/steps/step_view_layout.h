#pragma once

// How the step view arranges its parts in the room its window has, free of the toolkit: sizes in
// the screen's pixels at the zoom in force.
//
// The parts: the step table, the lesson (the vector plot with, below it or beside it, the
// timeline "Krok" and the guessing "Hádaj smer"), and the charts (the convergence chart and the
// magnifier, side by side or one above the other). The buttons are not arranged here: they stay
// below, in view, whatever the room.
//
// Beside, where the room's width holds the table's least width (the columns "i", "smer" and one
// value column whole) beside the lesson's least: the table left, the lesson right, the charts
// below both. The charts take their share of the height (kChartsShare), at least their least; the
// top row the rest. The lesson is as wide as the vector plot can use at that height -- the plot
// keeps the largest share -- and at least its least; the table takes the width left, as much as
// all its columns need, and any more goes back to the lesson.
//
// Stacked, where it does not: the lesson on top across the whole width, with the timeline and
// the guessing beside the plot where the width holds both; the table below it, with at least its
// least height; the charts below both. The lesson takes all of the room's height the table's least
// leaves -- no more than its plot can use at its width -- and the table the rest. The charts keep
// their least height below: on a screen this small they are scrolled to.
//
// Where even the least sizes do not fit, each part keeps its least and the view scrolls.

// The room the parts have: the view's content area.
struct TStepViewRoom {
    int width = 0;
    int height = 0;
};

struct TStepViewParts {
    int tableLeastWidth =
        0; // "i", "smer" and the widest value column, with the frame and scroll bar
    int tableWholeWidth = 0;  // every column
    int tableLeastHeight = 0; // the header and two rows
    // The vector plot: its least size, and the width it uses at a height: the height less
    // `plotFixedHeight` (the caption and margins) times `plotAspect`, plus `plotFixedWidth`, and
    // at least the width its caption takes on one line.
    int plotLeastWidth = 0;
    int plotLeastHeight = 0;
    double plotAspect = 1.0;
    int plotFixedWidth = 0;
    int plotFixedHeight = 0;
    int plotCaptionWidth = 0;
    int controlsWidth = 0;        // the timeline and the guessing at their narrowest
    int controlsHeightBelow = 0;  // their height below the plot
    int controlsHeightBeside = 0; // their height at their narrowest, beside the plot
    int chartLeastWidth = 0;
    int chartLeastHeight = 0;
    int magnifierLeastWidth = 0;
    int magnifierLeastHeight = 0;
    int gap = 0; // between two parts
};

struct TStepViewArrangement {
    bool stacked = false;          // the lesson above the table, else beside it
    bool controlsBeside = false;   // the timeline and the guessing beside the plot, else below
    bool chartsSideBySide = false; // the magnifier beside the chart, else below it
    int tableWidth = 0;            // beside: the table's and the lesson's widths
    int lessonWidth = 0;
    int lessonHeight = 0; // the lesson's and the table's heights
    int tableHeight = 0;
    int topHeight = 0;    // the table and the lesson together
    int chartsHeight = 0; // the charts below them
};

// The charts' share of the room's height when the table and the lesson stand side by side.
inline constexpr double kChartsShare = 0.3;

TStepViewArrangement ArrangeStepView(TStepViewRoom room, const TStepViewParts& parts);
