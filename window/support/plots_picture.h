#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

class QWidget;

// One picture of several plots as they show now: under a caption that says what they show (the
// step view's PictureCaption: the run's angle and the row) on a strip of paper across the
// picture's width, or with no strip when the caption is empty, the plots side by side from left
// to right in the order given, top edges aligned, each at its size on the screen, kPictureGap
// pixels apart. Each plot is clipped to its own frame; nothing fills the gaps or the room below a
// shorter plot (transparent in PNG, empty in SVG). Plots of no size are left out.
inline constexpr int kPictureGap = 8;

// The picture as an image (ARGB32).
QImage PlotsImage(const std::vector<QWidget*>& plots, const QString& caption = {});
// The picture as PNG file data.
QByteArray PlotsPng(const std::vector<QWidget*>& plots, const QString& caption = {});
// The picture as SVG file data: lines, markers and texts as vectors, titled `title`, and
// captioned with `caption` where it is not empty.
QByteArray PlotsSvg(const std::vector<QWidget*>& plots, const QString& title,
                    const QString& caption = {});
