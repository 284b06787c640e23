#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

class QWidget;

// One picture of several plots as they show now, side by side from left to right in the order
// given, top edges aligned, each at its size on the screen, with kPictureGap pixels of the
// window's colour between them and below the shorter ones. Plots of no size are left out. One
// plot is the picture by itself: nothing but the plot, clipped to its frame.
inline constexpr int kPictureGap = 8;

// The picture as an image (ARGB32).
QImage PlotsImage(const std::vector<QWidget*>& plots);
// The picture as PNG file data.
QByteArray PlotsPng(const std::vector<QWidget*>& plots);
// The picture as SVG file data: lines, markers and texts as vectors, titled `title`.
QByteArray PlotsSvg(const std::vector<QWidget*>& plots, const QString& title);
