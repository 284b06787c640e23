#pragma once

#include <QFont>
#include <QObject>
#include <QSize>

class QShortcut;
class QWidget;

// `font` at `factor` times its size, given in points or in pixels: the one way a text is zoomed,
// for a window's font, a table's cells and the texts a plot measures.
QFont ScaledFont(const QFont& font, qreal factor);

// The projector zoom of one top-level window: text, lines and markers from 100 % to 300 %, so
// that the back of a classroom can read a projected window, and full screen.
//
// Keys, anywhere in the window:
//   Ctrl++ (also Ctrl+=, for keyboards that need Shift for +)  one step larger, 25 % a step;
//   Ctrl+−                                                     one step smaller;
//   Ctrl+0                                                     back to 100 %;
//   F11                                                        full screen on and off;
//   Esc                                                        leaves full screen (only then).
// At 300 % a larger step, at 100 % a smaller one, does nothing.
//
// The zoom sets the window's font to its font at attachment scaled by the factor (ScaledFont):
// every control that inherits the window's font (labels, buttons, headers) grows with it, and a
// layout built from font metrics grows along. Whatever draws or sizes itself from sizes of its
// own (painted plots, a table's rows and columns, a font set on a control) follows Changed.
//
// The window grows with the zoom, so that each of its parts keeps its share: to its size at 100 %
// times the factor, up to the screen's available area (ZoomedWindowSize, screen_fit.h), and back
// at 100 %; it is kept on the screen. A window in full screen (F11 takes the whole screen) or
// maximized keeps its size.
class TProjectorZoom : public QObject {
    Q_OBJECT

public:
    static constexpr int kMinimumPercent = 100;
    static constexpr int kMaximumPercent = 300;
    static constexpr int kStepPercent = 25;

    // Attaches the zoom to the top-level `window`, whose child it becomes.
    explicit TProjectorZoom(QWidget* window);

    int Percent() const { return percent_; }
    qreal Factor() const { return percent_ / 100.0; }
    // `font` at the zoom.
    QFont Scaled(const QFont& font) const { return ScaledFont(font, Factor()); }

    void ZoomIn();
    void ZoomOut();
    void Reset();
    void ToggleFullScreen();

signals:
    // The factor (1 to 3) after every change of the zoom.
    void Changed(qreal factor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetPercent(int percent);
    void LeaveFullScreen();
    void Grow();

    QWidget* window_;
    QFont designFont_;
    QSize designSize_; // the window's size when it was last at 100 %
    int percent_ = kMinimumPercent;
    QShortcut* leave_ = nullptr; // Esc, enabled while the window is full screen
    bool wasMaximized_ = false;  // the state F11 returns to
};
