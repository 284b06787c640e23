#pragma once

#include "color.h"

#include <QImage>
#include <QRgb>

// Draws on a QImage it does not own, with a brush for the inside of closed shapes, a 1-pixel
// solid pen for lines and outlines and a pen position. Nothing is anti-aliased: every pixel is
// left alone or set to the brush or pen colour. Every operation accepts any int coordinates;
// what falls outside the image is clipped. The image must be Format_RGB32 or Format_ARGB32 and
// must outlive the canvas; it may be reallocated between calls.
class TCanvas {
public:
    // Starts with a white brush, a black pen and the pen at (0, 0).
    explicit TCanvas(QImage& image);

    // Colours of the shapes drawn afterwards. A system colour is resolved at this call.
    void SetBrushColor(TColor color);
    void SetPenColor(TColor color);

    // Fills the box [x1, x2) x [y1, y2) with the brush and draws its outermost pixels (columns
    // x1 and x2 - 1, rows y1 and y2 - 1) with the pen. Swapped corners are put in order; an
    // empty box draws nothing.
    void Rectangle(int x1, int y1, int x2, int y2);

    // The ellipse inscribed in the box [x1, x2) x [y1, y2): outline with the pen, inside with
    // the brush. The outline touches all four sides of the box and is symmetric about the
    // box's centre lines, also for even sizes (Ellipse(0, 0, 200, 200) touches columns 0 and
    // 199 and rows 0 and 199). Swapped corners are put in order; an empty box draws nothing.
    void Ellipse(int x1, int y1, int x2, int y2);

    // Sets the pen position without drawing.
    void MoveTo(int x, int y);

    // Draws the Bresenham line from the pen position up to but not including (x, y) with the
    // pen, then moves the pen to (x, y). A line to the pen position itself draws nothing.
    void LineTo(int x, int y);

private:
    QImage& image_;
    QRgb brush_;
    QRgb pen_;
    int penX_ = 0;
    int penY_ = 0;
};
