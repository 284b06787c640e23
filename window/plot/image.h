#pragma once

#include "canvas.h"

#include <QImage>
#include <QWidget>

// A picture control: a persistent image of the widget's size that is drawn on through
// Canvas() and that every paint shows, so the drawing survives the window being covered and
// uncovered. The image has one pixel per design pixel; on a high-density screen each pixel is
// scaled to a crisp block, never smoothed. When the widget is resized the image is resized
// with it, its content kept at the top left and new parts filled with clBtnFace.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    // The canvas that draws on the image, at the widget's current size. Schedules a repaint of
    // the widget: the caller's drawing on this (UI) thread ends before the repaint runs.
    TCanvas& Canvas();

    // The image, at the widget's size in design pixels.
    const QImage& Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Brings the image to the widget's size. Needed also before a pending resize event has been
    // delivered (a hidden widget gets it only when shown).
    void FitImageToWidget() const;

    mutable QImage image_;
    TCanvas canvas_{image_};
};
