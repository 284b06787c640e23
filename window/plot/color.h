#pragma once

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
