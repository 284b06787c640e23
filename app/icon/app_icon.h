#pragma once

#include <QImage>

// The application icon's design size in pixels.
inline constexpr int kAppIconSize = 32;

// Draws the application icon, a unit circle with its axes and a vector from the centre to the
// circle, on a transparent square image of `size` pixels. Precondition: size > 0.
QImage DrawAppIcon(int size);
