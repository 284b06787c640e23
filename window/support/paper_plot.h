#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QWidget>

class QPainter;

// A painted plot, the common part of every plot and chart of the windows, drawn as Qt's analog
// clock is: at its design size, with the painter scaled.
//
// The plot paints itself on white paper with its own colours (colours.h), whatever the desktop's
// scheme. Paint works in design pixels: every pen, marker, margin and text is given at 100 %, and
// the painter is scaled by the projector zoom (1 to 3), so that they all grow together. The area
// Paint fills is the widget in design pixels -- its pixel size over the zoom -- so a plot given
// three times the room at 300 % looks as it does at 100 %. The texts keep the size the plot's font
// had when the plot was made, whatever its window's zoomed font does later.
//
// A plot that tells what lies under the mouse answers ToolTipAt.
class TPaperPlot : public QWidget {
    Q_OBJECT

public:
    // The projector zoom, 1 to 3.
    void SetZoom(qreal factor);
    qreal Zoom() const { return zoom_; }

protected:
    explicit TPaperPlot(QWidget* parent);

    // A design size at the zoom, in the widget's pixels.
    QSize ZoomedSize(QSize design) const;
    // The widget's rectangle in design pixels.
    QRectF DesignArea() const;

    // Paints on paper, the painter scaled and its font set, inside the guard.
    void paintEvent(QPaintEvent* event) final;
    // Shows ToolTipAt's text for the mouse's place, inside the guard.
    bool event(QEvent* event) override;

    // Paints the plot in `area`, the widget in design pixels, already white.
    virtual void Paint(QPainter& painter, const QRectF& area) const = 0;
    // The text for the point `at` (design pixels) under the mouse; empty for none.
    virtual QString ToolTipAt(QPointF at) const;

private:
    qreal zoom_ = 1.0;
};
