#pragma once

#include "lab.h"
#include "lab_notes.h"

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QLabel;
class TCountSpinBox;
class TLabTableModel;
class TProjectorZoom;
namespace Ui {
class TLabWindow;
}

// The laboratory "Laboratórium CORDIC": a non-modal window in which a student changes what the
// main window keeps fixed -- the coordinate system (kruhová, lineárna, hyperbolická), the mode,
// the number of steps, the arithmetic with, for fixed point, the rounding of a shift and the guard
// bits, the whole circle of angles -- and sees what follows. Built from the Designer layout
// lab_window.ui.
//
// Settings. The mode buttons name what the system computes, and the inputs carry its names:
// "Uhol" with "stupeň" / "radián" (circular), "t" (hyperbolic), "c" with "a" and "b" of
// y = b + a·c (linear rotation), "x" and "y" (vectoring); the fields a run does not read are
// disabled, and each system keeps its own argument's text. For hyperbolic vectoring "ln a" and
// "√a" fill x and y from the field "a" (lab_notes.h) and, while x and y hold that fill, editing a
// fills them anew and the results also read "ln a = 2·z = …" or "√a = dĺžka = …". The whole
// numbers are typed into TCountSpinBox, which hands on what was typed.
//
// Every change of a setting recomputes at once, with no start button: LabRun for the table
// "Kroky laboratória" and the results, and LabSweep for the chart only where the sweep's own
// settings changed (sweep_floor.h's SameSweep: not n, nor the input but linear's a, b and x), so
// that dragging the step slider costs one run of at most 64 steps and the redraw of the rows in
// view. A fixed-point setup that rounds or guards has a second sweep, of the same setup with
// odseknúť and G = 0, kept the same way.
//
// Inputs are read as the main window reads its angle (lab_input.h). A setting the run refuses, a
// field that holds no number and a whole number beyond its range ("Počet krokov je od 1 do 64")
// each show one line in the status line, and the table, results and chart never stand beside an
// input they do not belong to: while refused, the table and chart are greyed (the last accepted
// run stays in them), the results read "—" and nothing can be copied; the next accepted input
// brings them back. ShowRun and ShowRefused are the two places where what the window shows
// changes.
//
// The results: each beside its exact value and its error in u, under the held input ("θ v
// registri = …" beside "zadané …") that the exact values belong to, with a line where the run is
// beyond the reach of its steps or wrapped (lab_notes.h).
//
// The projector zoom (projector_zoom.h: Ctrl++, Ctrl+−, Ctrl+0, F11) scales the window's texts,
// the table's cells and the chart, and the window grows with it. Where the room is too narrow
// for the results beside the chart, the chart goes below them, and from 200 % on the results
// stack, a value a line; what the room's height does not hold scrolls, the status line and
// "Kopírovať tabuľku" always in view below.
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

    // The run the table shows (the last one not refused) and its setup.
    const TLabRun& ShownRun() const;
    const TLabSetup& ShownSetup() const;
    // Whether the settings are refused: the table and chart greyed, the results "—".
    bool Refused() const { return refused_; }
    // The text of the status line: empty, or the refusal of the last change.
    QString StatusText() const;

private:
    void SetUpTable();
    void SetUpCounts();
    void ConnectSettings();
    void ConnectInputs();

    TLabSystem System() const;
    TLabMode Mode() const;
    TLabArithmetic Arithmetic() const;
    TLabRounding Rounding() const;
    // A change of the system: its mode names, inputs and argument text.
    void SystemChanged();
    // Names, enables and shows the inputs of the system and mode.
    void ShowInputs();
    void ArithmeticChanged();
    // An accepted word width brings F and G within their ranges, without a run of their own.
    void WordBitsChanged();
    void StepsChanged();
    // "ln a", "√a": x and y from a; also every change of a while x and y hold its fill.
    void FillFromArgument(TLabDerived derived);
    // The function of a whose point x and y hold; None once they were edited.
    TLabDerived Derived() const;

    void Recompute();
    // The setup the controls describe; the refusal's line where they describe none.
    QString ReadSetup(TLabSetup& setup) const;
    QString ReadInputs(TLabSetup& setup) const;
    void ShowRun(const TLabRun& run, const TLabSetup& setup);
    void ShowRefused(const QString& refusal);
    void ShowResults(const TLabRun& run, const TLabSetup& setup);
    void ShowSweeps(const TLabSetup& setup);
    void CopyTable();
    void ZoomChanged(qreal factor);
    void PlaceResults(bool stacked);
    // Column widths and row heights from the cells' font: the bit columns hold W + G bits and the
    // dot.
    void SizeTable();
    void Arrange();

    std::unique_ptr<Ui::TLabWindow> ui_;
    TLabTableModel* model_ = nullptr;
    TProjectorZoom* zoom_ = nullptr;
    bool refused_ = false;
    bool stackedResults_ = false;
    // The argument's text of each system, kept while another is shown.
    std::array<QString, 3> argumentTexts_;
    TLabSystem shownSystem_ = TLabSystem::Circular;
    // The last fill of x and y from a, and the function it was for.
    TLabDerived derived_ = TLabDerived::None;
    QString filledX_;
    QString filledY_;
    // The setups whose sweeps the chart shows: the setup's own, and its comparison.
    std::optional<TLabSetup> swept_;
    std::optional<TLabSetup> sweptPlain_;
    TLabSweep plainSweep_{};
};
