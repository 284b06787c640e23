#pragma once

#include "color.h"

#include <QColor>

class QPalette;

// The program's colours: every colour its windows, plots and icon draw with, but for the main
// window's pixel-exact canvas (window/plot), whose colours the plots here take over, so that the
// vector is the same red and the target the same green in every window.
//
// Plots are paper. They draw on white with these colours whatever the desktop's scheme, so that
// the screen, a projector, a saved picture and a printed sheet look the same; the rest of each
// window follows the scheme. The few colours a table draws on the scheme's base come in two
// shades, one for a light base and one for a dark base (TableAccent).
//
// Colours that tell curves apart differ in lightness too, so that they part in greyscale.

// An explicit TColor (0x00BBGGRR) of the canvas as an opaque QColor.
constexpr QColor FromCanvasColour(TColor colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// The paper and what is written on it: texts, frames and axes.
inline constexpr QColor kPaper(255, 255, 255);
inline constexpr QColor kInk = FromCanvasColour(clBlack);

// The main window's plot: the circle, the target angle theta and the vector.
inline constexpr QColor kCircleColour = FromCanvasColour(clBlack);
inline constexpr QColor kTargetColour = FromCanvasColour(clGreen);
inline constexpr QColor kVectorColour = FromCanvasColour(clRed);
// A vector (or its tip) of a step already passed: the vector's red, faded to a third on paper.
inline constexpr QColor kPassedColour(255, 170, 170);
// The axes through the origin and the magnifier's frame: greys that stay behind the drawing.
inline constexpr QColor kAxisColour(150, 150, 150);
inline constexpr QColor kFrameColour(120, 120, 120);
// The turn of a step: a blue apart from every other line of the vector plot.
inline constexpr QColor kTurnColour(0, 70, 200);

// The charts: the decade grid, darker at the labelled decades, and the legend's frame.
inline constexpr QColor kGridColour(228, 228, 228);
inline constexpr QColor kLabelledGridColour(190, 190, 190);
// The curves: the x error (and the laboratory's one curve) dark blue, the y error orange, the step
// angle they follow dark grey; the hollow marker's legend grey.
inline constexpr QColor kFirstCurveColour(0, 70, 170);
inline constexpr QColor kSecondCurveColour(220, 100, 0);
inline constexpr QColor kReferenceCurveColour(70, 70, 70);
inline constexpr QColor kHollowLegendColour(90, 90, 90);
// The shown step (translucent, behind the curves) and the laboratory's current n.
inline constexpr QColor kShownStepColour(200, 0, 0, 140);
inline constexpr QColor kCurrentColour(200, 0, 0);
// Where the laboratory's error stops falling.
inline constexpr QColor kLeastErrorColour(0, 130, 0);
// A point of the laboratory's chart whose result wrapped in its word.
inline constexpr QColor kWrappedColour(200, 0, 0);
// The laboratory's comparison curve: the same setup with plain truncation and no guard bits, a
// grey lighter than the reference curve's, behind the setup's own.
inline constexpr QColor kComparisonCurveColour(150, 150, 150);
// Laid over a chart whose settings are refused: the paper shows through, the curves fade.
inline constexpr QColor kStaleVeilColour(255, 255, 255, 185);

// The icon's axes.
inline constexpr QColor kIconAxisColour(128, 128, 128);

// What a table draws on the scheme's base colour.
enum class TTableAccent {
    Settled,    // the settled digits of x and y
    Right,      // a direction guessed right
    Wrong,      // a direction guessed wrong
    Dropped,    // the bits a shift drops
    WrappedRow, // the background of a state whose register wrapped
    GuardBits,  // the background of a register's guard bits
};

// The accent's colour on `palette`'s base: dark shades on a light base, light ones on a dark base
// (a base darker than middle grey), each readable beside the base's text.
QColor TableAccent(TTableAccent accent, const QPalette& palette);
