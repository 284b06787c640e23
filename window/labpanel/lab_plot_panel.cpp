#include "lab_plot_panel.h"

#include "file_dialogs.h"
#include "flow_layout.h"
#include "guard.h"
#include "lab_export.h"
#include "spoken_label.h"
#include "ui_lab_plot_panel.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

TLabPlotPanel::TLabPlotPanel(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TLabPlotPanel>()) {
    ui_->setupUi(this);
    TFlowLayout::ReplaceBoxLayout(ui_->TimelinePanel);
    TFlowLayout::ReplaceBoxLayout(ui_->ButtonPanel);
    export_ = std::make_unique<TLabExport>(std::make_unique<TFileDialogs>(this),
                                           std::make_unique<TPrintDialog>(this));
    connect(ui_->StateSlider, &QSlider::valueChanged, this, &TLabPlotPanel::SliderMoved);
    connect(ui_->SavePictureButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { export_->SavePicture(ui_->VectorPlot, ShownState()); }); });
    connect(ui_->WorksheetButton, &QPushButton::clicked, this, [this] {
        Guarded([this] { export_->SaveWorksheet({run_, setup_, degrees_}); });
    });
    connect(ui_->PrintButton, &QPushButton::clicked, this, [this] {
        Guarded([this] { export_->Print({run_, setup_, degrees_}); });
    });
    AddKeys(this);
    ShowPicked(false);
}

TLabPlotPanel::~TLabPlotPanel() = default;

void TLabPlotPanel::SetRun(const TLabRun& run, const TLabSetup& setup, bool degrees) {
    Guarded([&] {
        run_ = run;
        setup_ = setup;
        degrees_ = degrees;
        ui_->VectorPlot->SetRun(run_, setup.system);
        shown_.SetRowCount(static_cast<int>(run_.states.size()));
        {
            const QSignalBlocker blocker(ui_->StateSlider);
            ui_->StateSlider->setMaximum(std::max(0, static_cast<int>(run_.states.size()) - 1));
        }
        // The table's rows are new: its selection went with the old ones.
        ShowPicked(true);
    });
}

void TLabPlotPanel::SetZoom(qreal factor) {
    ui_->VectorPlot->SetZoom(factor);
}

void TLabPlotPanel::FollowTable(QAbstractItemView* table) {
    table_ = table;
    AddKeys(table);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TLabPlotPanel::TableSelectionChanged);
}

int TLabPlotPanel::ShownState() const {
    return shown_.Shown();
}

void TLabPlotPanel::SetExportDialogs(std::unique_ptr<IExportDialogs> dialogs) {
    export_->SetDialogs(std::move(dialogs));
}

void TLabPlotPanel::SetPrintDialog(std::unique_ptr<IPrintDialog> print) {
    export_->SetPrintDialog(std::move(print));
}

// Shortcuts of `scope` and its children: the settings' own arrow keys (the step count's slider,
// the radio buttons, the text fields) keep working elsewhere in the window.
void TLabPlotPanel::AddKeys(QWidget* scope) {
    const std::pair<Qt::Key, void (*)(TShownStep&)> keys[] = {
        {Qt::Key_Left, [](TShownStep& shown) { shown.Previous(); }},
        {Qt::Key_Right, [](TShownStep& shown) { shown.Next(); }},
        {Qt::Key_Home, [](TShownStep& shown) { shown.First(); }},
        {Qt::Key_End, [](TShownStep& shown) { shown.Newest(); }},
    };
    for (const auto& [key, move] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), scope);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, move = move] {
            Guarded([&] {
                move(shown_);
                ShowPicked(true);
            });
        });
    }
}

void TLabPlotPanel::SliderMoved(int value) {
    Guarded([this, value] {
        shown_.Show(value);
        ShowPicked(true);
    });
}

// The user's selection picks its current row, or else its first; an empty one follows the last
// state.
void TLabPlotPanel::TableSelectionChanged() {
    Guarded([this] {
        if (selecting_) {
            return;
        }
        const QItemSelectionModel* selection = table_->selectionModel();
        if (!selection->hasSelection()) {
            shown_.Newest();
        } else if (const QModelIndex current = selection->currentIndex();
                   current.isValid() && selection->isSelected(current)) {
            shown_.Pick(current.row());
        } else {
            int first = shown_.Shown();
            for (const QModelIndex& index : selection->selectedIndexes()) {
                first = std::min(first, index.row());
            }
            shown_.Pick(first);
        }
        ShowPicked(false);
    });
}

void TLabPlotPanel::ShowPicked(bool selectRow) {
    const int shown = shown_.Shown();
    ui_->VectorPlot->ShowState(shown);
    {
        const QSignalBlocker blocker(ui_->StateSlider);
        ui_->StateSlider->setValue(std::max(shown, 0));
    }
    SetSpokenText(ui_->StateNumber, shown >= 0 ? QStringLiteral("stav %1").arg(shown) : QString());
    if (selectRow) {
        SelectShownRow();
    }
}

void TLabPlotPanel::SelectShownRow() {
    if (table_ == nullptr || table_->model() == nullptr) {
        return;
    }
    const QScopedValueRollback selecting(selecting_, true);
    QItemSelectionModel* selection = table_->selectionModel();
    const int picked = shown_.Picked();
    if (picked < 0 || picked >= table_->model()->rowCount()) {
        selection->clearSelection();
        return;
    }
    const QModelIndex index = table_->model()->index(picked, 0);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->scrollTo(index);
}
