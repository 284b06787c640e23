#pragma once

#include "step_rows.h"

#include <QWidget>
#include <memory>
#include <vector>

class TProjectorZoom;
class TStepPlot;
class TStepTableModel;
namespace Ui {
class TStepView;
}

// The step view "Kroky algoritmu CORDIC": a second, non-modal window that shows what the
// rotation does at every step of a run. It holds the step table (TStepTableModel, with the
// settled digits of x and y marked by TSettledDigitsDelegate), the convergence chart and the
// magnifier, and the buttons "Pozastaviť"/"Pokračovať", "Ďalší krok" and "Kopírovať tabuľku",
// built from the Designer layout step_view.ui.
//
// The view reads the rows it is given and is told when they change; it never changes the run
// itself: its pause and step buttons only emit PauseToggled and StepRequested, and the owner
// reports the resulting state back through SetRunState.
//
// The projector zoom (projector_zoom.h) enlarges the view's texts, the table's rows and columns
// and the plots' lines, markers and texts up to 300 %; F11 shows the view full screen.
//
// Keys, anywhere in the window: Space presses the focused button, and elsewhere does what the
// pause button does; the right arrow does what "Ďalší krok" does (both only while their button
// is enabled); Ctrl+C copies the selected cells, Ctrl+A selects the whole table; Tab leaves the
// table for the buttons rather than moving between its cells. Copies are tab-separated text with
// the header row first; a selection is copied as the rectangle of every row and column that
// holds a selected cell.
//
// While rows arrive the table keeps the newest row in view, unless the user has scrolled away
// from the bottom; scrolling back to the bottom follows again. Selecting cells makes the
// magnifier show the current row; with nothing selected it follows the newest row.
class TStepView : public QWidget {
    Q_OBJECT

public:
    // A top-level window that is a child of `owner`, closed and destroyed with it. `rows` must
    // outlive the view.
    TStepView(const TStepRows& rows, QWidget* owner);
    ~TStepView() override;

    // The rows were started afresh for a new run.
    void RowsReset();
    // One row (a step or the result) was appended to the rows.
    void RowAppended();
    // Enables the pause and step buttons while a run is going; the pause button reads
    // "Pokračovať" while paused and "Pozastaviť" otherwise.
    void SetRunState(bool running, bool paused);

signals:
    void PauseToggled();  // the pause/continue button or Space
    void StepRequested(); // "Ďalší krok" or the right arrow

private:
    void SetUpTable();
    void SizeTable();
    void SetUpShortcuts();
    void ZoomChanged(qreal factor);
    // The view's plots, left to right.
    std::vector<TStepPlot*> Plots() const;

    void CopyTableClick();
    void SpacePressed();
    void RightPressed();
    void CopySelection();
    void SelectionChanged();
    void TableScrolled(int value);
    void ScrollToNewest();

    std::unique_ptr<Ui::TStepView> ui_;
    const TStepRows& rows_;
    TStepTableModel* model_ = nullptr;
    TProjectorZoom* zoom_ = nullptr;
    bool followNewest_ = true;   // the table shows the newest row as rows arrive
    bool scrollPending_ = false; // a scroll to the newest row waits for the event loop
};
