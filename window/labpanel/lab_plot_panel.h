#pragma once

#include "lab.h"
#include "shown_step.h"

#include <QWidget>
#include <memory>

class IExportDialogs;
class IPrintDialog;
class QAbstractItemView;
class TLabExport;
namespace Ui {
class TLabPlotPanel;
}

// The laboratory's vector plot with what goes with it, built from the Designer layout
// lab_plot_panel.ui: "Vektor laboratória" (lab_vector_plot.h), the slider "Krok" with the shown
// state's number below it, and the buttons "Uložiť obrázok…", "Pracovný list…" and "Tlačiť…"
// (lab_export.h), which wrap where the panel is narrow.
//
// The shown state (shown_step.h): the last one of the run, unless the user has picked one -- with
// the slider, a click on a row of the table the panel follows, or the keys ←, →, Home and End
// while the focus is in the panel or in that table. A picked state stays shown when the
// settings change, as long as the run has it; moving onto the last state, or End, follows the
// last state again. A state picked with the slider or the keys becomes the table's selected
// row; following the last state clears the selection. Showing a state changes nothing but the
// panel and the table's selection.
class TLabPlotPanel : public QWidget {
    Q_OBJECT

public:
    explicit TLabPlotPanel(QWidget* parent = nullptr);
    ~TLabPlotPanel() override;

    // The run the window shows (not refused) of `setup`; `degrees`: a circular rotation's angle
    // was given in degrees (the worksheet's task says so).
    void SetRun(const TLabRun& run, const TLabSetup& setup, bool degrees);
    // The window's projector zoom, 1 to 3.
    void SetZoom(qreal factor);
    // The table of the run's states, a row per state: a click on a row shows its state, the keys
    // work in it too, and the state shown is selected in it. Call once, after its model is set.
    void FollowTable(QAbstractItemView* table);
    // The state shown; -1 without a run.
    int ShownState() const;

    // Replace the dialogs that saving and printing ask (tests answer them without a window).
    void SetExportDialogs(std::unique_ptr<IExportDialogs> dialogs);
    void SetPrintDialog(std::unique_ptr<IPrintDialog> print);

private:
    void AddKeys(QWidget* scope);
    void SliderMoved(int value);
    void TableSelectionChanged();
    // Tells the plot, the slider and the number the shown state; with `selectRow`, the table's
    // selection follows.
    void ShowPicked(bool selectRow);
    void SelectShownRow();

    std::unique_ptr<Ui::TLabPlotPanel> ui_;
    std::unique_ptr<TLabExport> export_;
    TLabRun run_{};
    TLabSetup setup_{};
    bool degrees_ = false;
    TShownStep shown_;
    QAbstractItemView* table_ = nullptr;
    bool selecting_ = false; // the panel itself changes the table's selection
};
