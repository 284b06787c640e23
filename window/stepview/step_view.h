#pragma once

#include "direction_quiz.h"
#include "shown_step.h"
#include "step_rows.h"

#include <QWidget>
#include <memory>
#include <vector>

class IExportDialogs;
class TFlowLayout;
class TProjectorZoom;
class TStepExport;
class TStepPlot;
class TStepTableModel;
namespace Ui {
class TStepView;
}

// The step view "Kroky algoritmu CORDIC": a second, non-modal window that shows what the
// rotation does at every step of a run. It holds the step table (TStepTableModel, with the
// settled digits of x and y marked by TSettledDigitsDelegate), the convergence chart and the
// magnifier, and the buttons "Pozastaviť"/"Pokračovať", "Ďalší krok", "Kopírovať tabuľku" and
// the three saving ones, built from the Designer layout step_view.ui.
//
// The view reads the rows it is given and is told when they change; it never changes the run
// itself: its pause and step buttons only emit PauseToggled and StepRequested, and the owner
// reports the resulting state back through SetRunState.
//
// The projector zoom (projector_zoom.h) enlarges the view's texts, the table's rows and columns
// and the plots' lines, markers, texts and margins up to 300 %, and the window with them; F11
// shows the view full screen. The parts are arranged for the room the content has
// (step_view_layout.h): the table beside the vector plot, or where the width is too small, the
// vector plot on top with the table below; the charts below both. What the room does not hold
// scrolls; the buttons stay below the content, in view, and wrap.
//
// "Uložiť obrázok…" (Ctrl+S), "Uložiť všetky kroky…" (Ctrl+Shift+S) and "Uložiť tabuľku…"
// (Ctrl+T) save the plots of the shown step as a picture, a picture of every step, and the table
// as CSV (step_export.h); a line below the buttons then says what was saved ("Uložené: …").
//
// The shown step (shown_step.h). The vector plot, the magnifier, the convergence chart's marker and
// the timeline slider "Krok" (0 .. 54, the result row at 54) show one row: the newest as rows
// arrive, unless the user has picked one -- with the slider, by selecting cells (their current
// row), or with the keys below. Picked with the slider or the keys, the row is selected in the
// table. Moving onto the newest row with the slider, the right arrow or End follows the newest
// again, as does clearing the selection. Showing a row changes nothing but the view.
//
// Keys, anywhere in the window: Space presses the focused button, and elsewhere does what the
// pause button does; the left and right arrows show the step before and after, Home step 0 and
// End the newest; the right arrow at the newest row of a paused run does what "Ďalší krok" does
// instead. Ctrl+C copies the selected cells, or the whole table when none is selected; Ctrl+A
// selects the whole table; Tab leaves the table for the other controls rather than moving
// between its cells; F3 emits LaboratoryRequested, as F3 opens the laboratory from the main
// window. Copies are tab-separated text with the header row first; a selection is copied as the
// rectangle of every row and column that holds a selected cell.
//
// Guessing the direction: the check box "Hádaj smer" emits GuessingToggled, and while the quiz
// (SetQuiz) asks about a step, the buttons "+" and "−" and the keys + and − emit
// DirectionGuessed; the step's "smer" cell reads "?" and the vector plot leaves its turn out
// until the answer. The label "Skóre" shows the quiz's score.
//
// While rows arrive the table keeps the newest row in view, unless the user has scrolled away
// from the bottom or picked a row; scrolling back to the bottom follows again.
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
    // Replaces the dialogs that saving asks (tests answer them without a window).
    void SetExportDialogs(std::unique_ptr<IExportDialogs> dialogs);
    // The quiz whose questions, marks and score the view shows; nullptr shows none. It must
    // outlive the view or be replaced before it goes.
    void SetQuiz(const TDirectionQuiz* quiz);
    // The quiz changed: a question opened or was answered or dropped, or it was turned on or off.
    void QuizChanged();
    // The index of the row shown; -1 while there is none.
    int ShownStep() const;
    // Shows the step whose question the quiz asks, as if the user had picked it.
    void ShowQuestion();

signals:
    void PauseToggled();             // the pause/continue button or Space
    void StepRequested();            // "Ďalší krok" or the right arrow
    void GuessingToggled(bool on);   // "Hádaj smer"
    void DirectionGuessed(int sign); // +1 for "+", -1 for "−"
    void LaboratoryRequested();      // F3, as in the main window

private:
    void SetUpTable();
    void SizeTable();
    void SetUpShortcuts();
    void ZoomChanged(qreal factor);
    void ScheduleArrange();
    void Arrange();
    // The view's plots, left to right.
    std::vector<TStepPlot*> Plots() const;

    void CopyTableClick();
    void SavePictureClick();
    void SaveStepsClick();
    void SaveTableClick();
    void ShowSaved(const QString& saved);
    void SpacePressed();
    void RightPressed();
    void LeftPressed();
    void HomePressed();
    void EndPressed();
    void SliderMoved(int value);
    void GuessPressed(int sign);
    void ShowPickedStep(bool selectRow);
    void CopySelection();
    void SelectionChanged();
    void TableScrolled(int value);
    void ScrollToNewest();

    std::unique_ptr<Ui::TStepView> ui_;
    const TStepRows& rows_;
    TStepTableModel* model_ = nullptr;
    TProjectorZoom* zoom_ = nullptr;
    TFlowLayout* timeline_ = nullptr; // the slider "Krok" and the shown step's number
    TFlowLayout* guessing_ = nullptr; // "Hádaj smer", "+", "−" and the score
    bool arrangePending_ = false;
    std::unique_ptr<TStepExport> export_;
    const TDirectionQuiz* quiz_ = nullptr;
    TShownStep shown_;           // the row the plots, the slider and the selection show
    bool followNewest_ = true;   // the table shows the newest row as rows arrive
    bool scrollPending_ = false; // a scroll to the newest row waits for the event loop
    bool selecting_ = false;     // the view itself changes the table's selection
    bool paused_ = false;        // a run is going and paused
};
