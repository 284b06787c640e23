#pragma once

#include "lab.h"
#include "paper_plot.h"

// "Vektor laboratória": the state a laboratory run shows, on the curve its system keeps it on,
// with the move from the state before (lab_vector_drawing.h): the frame holds the whole run, so
// it stays put while the state changes. A caption above names the state and the step that led
// to it ("stav 4: po kroku 3 (smer +, posun 4)"), wrapped between words where the plot is
// narrower. Painted on paper at its design size and zoomed (paper_plot.h).
class TLabVectorPlot : public TPaperPlot {
    Q_OBJECT

public:
    explicit TLabVectorPlot(QWidget* parent = nullptr);

    // The run to show (copied; not refused) of the system `system`.
    void SetRun(const TLabRun& run, TLabSystem system);
    // The state to show, 0 .. n; -1 shows none.
    void ShowState(int index);
    int ShownState() const { return shown_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void Paint(QPainter& painter, const QRectF& area) const override;

private:
    TLabRun run_{};
    TLabSystem system_ = TLabSystem::Circular;
    int shown_ = -1;
};
