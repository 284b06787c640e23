#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>

// A colour: 0x00BBGGRR for an explicit colour; with the top bit set, 0x80000000 | n names the
// platform's system colour n (the Windows COLOR_* indices).
using TColor = std::uint32_t;

inline constexpr TColor kSystemColorFlag = 0x80000000;
inline constexpr TColor clBtnFace = kSystemColorFlag | 15;   // button face, the window background
inline constexpr TColor clWindowText = kSystemColorFlag | 8; // text in windows
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clRed = 0x0000FF;

// The opaque RGB value of `color`. System colours come from the application palette
// (clBtnFace is QPalette::Button, the colour the window's background is drawn with); without a
// QGuiApplication, and for system indices the palette has no counterpart for, a fixed light
// grey stands in for clBtnFace and black for every other system colour.
QRgb ColorToRgb(TColor color);

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
