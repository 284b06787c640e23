#pragma once

#include "canvas.h"

// Fills the whole width x height plot with the button-face colour and leaves no frame: the
// rectangle's black outline lies one pixel outside the plot on every side. Sets the brush to
// clBtnFace and leaves the pen alone.
void ClearPlot(TCanvas& canvas, int width, int height);

// Draws the frame of one CORDIC step on a plot centred at (cx, cy) (half its width and height,
// cx, cy >= 0): the unit circle filled with the background (erasing the previous frame), both
// axes, the target angle theta as a green radius and the current vector (x, y) as a red line
// from the centre. The green end point comes from the double-precision sine and cosine of
// theta rounded to double; the rest is extended precision, truncated toward zero. End points
// beyond the int range are held at its bounds. Leaves the brush clBtnFace and the pen red.
void DrawStepFrame(TCanvas& canvas, long double theta, long double x, long double y, int cx,
                   int cy);
