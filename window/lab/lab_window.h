#pragma once

#include "lab.h"

#include <QWidget>
#include <memory>

class TLabTableModel;
class TProjectorZoom;
namespace Ui {
class TLabWindow;
}

// The laboratory "Laboratórium CORDIC": a non-modal window in which a student changes what the
// main window keeps fixed -- the mode, the number of steps, the arithmetic, the whole circle of
// angles -- and sees what follows. Built from the Designer layout lab_window.ui.
//
// Every change of a setting recomputes at once, with no start button: LabRun for the table
// "Kroky laboratória" and the results, and LabSweep for the chart only when the mode, the
// arithmetic, W or F changed (the sweep does not depend on the input or on n). Dragging the step
// slider thus costs one run of at most 64 steps and the redraw of the rows in view per position.
//
// Inputs are read as the main window reads its angle (lab_input.h). A setting the run refuses,
// or a field that holds no number, shows one line in the status line; the table, the results
// and the chart keep the last run meanwhile, and the sweep a refused change asked for is made
// with the next run that succeeds.
//
// The projector zoom (projector_zoom.h: Ctrl++, Ctrl+−, Ctrl+0, F11) scales the window's texts,
// the table's cells and the chart, and the window grows with it. Where the room is too narrow
// for the results beside the chart, the chart goes below them; what the room's height does not
// hold scrolls, the status line and "Kopírovať tabuľku" always in view below.
//
// Ctrl+C and "Kopírovať tabuľku" copy the whole table as tab-separated text, header row first.
// The window reads and writes nothing of any other window.
class TLabWindow : public QWidget {
    Q_OBJECT

public:
    // A top-level window that is a child of `owner` (nullptr: on its own), closed and destroyed
    // with it.
    explicit TLabWindow(QWidget* owner = nullptr);
    ~TLabWindow() override;

    // The run the table and results show (the last one not refused).
    const TLabRun& ShownRun() const;
    const TLabSetup& ShownSetup() const;
    // The text of the status line: empty, or the refusal of the last change.
    QString StatusText() const;

private:
    void SetUpTable();
    void ConnectSettings();

    // A change of the mode, the arithmetic, W or F: the sweep is out of date.
    void SweepSettingChanged();
    void WordBitsChanged(int bits);
    void ModeChanged();
    void Recompute();
    // The setup the controls describe, or false with the refusal shown.
    bool ReadSetup(TLabSetup& setup);
    void ShowRun(const TLabRun& run, const TLabSetup& setup);
    void ShowResults(const TLabRun& run, const TLabSetup& setup);
    void CopyTable();
    void ZoomChanged(qreal factor);
    // Column widths and row heights from the cells' font: the bit columns hold W bits and the dot.
    void SizeTable();
    void Arrange();

    std::unique_ptr<Ui::TLabWindow> ui_;
    TLabTableModel* model_ = nullptr;
    TProjectorZoom* zoom_ = nullptr;
    bool sweepPending_ = true;
};
