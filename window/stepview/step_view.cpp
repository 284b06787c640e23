#include "step_view.h"

#include "file_dialogs.h"
#include "flow_layout.h"
#include "guard.h"
#include "projector_zoom.h"
#include "settled_digits_delegate.h"
#include "spoken_label.h"
#include "step_cells.h"
#include "step_export.h"
#include "step_plot.h"
#include "step_table_model.h"
#include "ui_step_view.h"
#include "utf8_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr auto kTextPause = "Pozastaviť";
constexpr auto kTextContinue = "Pokračovať";

// The widest text of each column, in characters of the fixed-pitch font: "výsledok"; one sign;
// the longest shortest text of an extended value, a sign and 21 significant digits with an
// exponent ("-1.22655225516145811394e-14"); three digits with a three-digit exponent.
constexpr std::array<int, kStepColumns> kColumnCharacters = {8, 1, 27, 27, 27, 27, 9, 9};
// Room beside a cell's text: the style's margins on both sides and a little air.
constexpr int kCellPadding = 16;
// Room above and below a row's text.
constexpr int kRowPadding = 6;
// The first split between the table and the chart row, in pixels of height, and between the
// table and the vector plot's panel, in pixels of width.
constexpr int kTableHeight = 430;
constexpr int kChartsHeight = 200;
constexpr int kTableWidth = 800;
constexpr int kLessonWidth = 360;

void SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(FromUtf8(text));
}

// The index of the shown row, "výsledok" for the result row, nothing without rows.
QString StepNumberText(const TStepRows& rows, int shown) {
    if (shown < 0) {
        return {};
    }
    return FromUtf8(StepCellText(rows.Row(static_cast<std::size_t>(shown)), kColumnIndex));
}

} // namespace

TStepView::TStepView(const TStepRows& rows, QWidget* owner)
    : QWidget(owner, Qt::Window), ui_(std::make_unique<Ui::TStepView>()), rows_(rows) {
    ui_->setupUi(this);
    ui_->Chart->SetRows(&rows_);
    ui_->Magnifier->SetRows(&rows_);
    ui_->VectorPlot->SetRows(&rows_);
    ui_->Splitter->setSizes({kTableHeight, kChartsHeight});
    ui_->TopSplitter->setSizes({kTableWidth, kLessonWidth});
    // Enlarged for a projector, the buttons wrap rather than widen the window.
    TFlowLayout::ReplaceBoxLayout(ui_->ButtonPanel);
    SetUpTable();
    SetUpShortcuts();
    zoom_ = new TProjectorZoom(this);
    connect(zoom_, &TProjectorZoom::Changed, this, &TStepView::ZoomChanged);

    connect(ui_->PauseButton, &QPushButton::clicked, this, &TStepView::PauseToggled);
    connect(ui_->StepButton, &QPushButton::clicked, this, &TStepView::StepRequested);
    connect(ui_->CopyButton, &QPushButton::clicked, this, &TStepView::CopyTableClick);
    export_ = std::make_unique<TStepExport>(std::make_unique<TFileDialogs>(this));
    connect(ui_->SavePictureButton, &QPushButton::clicked, this, &TStepView::SavePictureClick);
    connect(ui_->SaveStepsButton, &QPushButton::clicked, this, &TStepView::SaveStepsClick);
    connect(ui_->SaveTableButton, &QPushButton::clicked, this, &TStepView::SaveTableClick);
    connect(ui_->StepSlider, &QSlider::valueChanged, this, &TStepView::SliderMoved);
    connect(ui_->GuessBox, &QCheckBox::toggled, this, &TStepView::GuessingToggled);
    connect(ui_->GuessPlusButton, &QPushButton::clicked, this, [this] { GuessPressed(+1); });
    connect(ui_->GuessMinusButton, &QPushButton::clicked, this, [this] { GuessPressed(-1); });
    ShowPickedStep(false);
    ui_->StepTable->setFocus();
}

TStepView::~TStepView() = default;

void TStepView::SetUpTable() {
    QTableView* table = ui_->StepTable;
    model_ = new TStepTableModel(rows_, this);
    table->setModel(model_);
    auto* delegate = new TSettledDigitsDelegate(table);
    table->setItemDelegateForColumn(kColumnX, delegate);
    table->setItemDelegateForColumn(kColumnY, delegate);

    SizeTable();
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TStepView::SelectionChanged);
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this, &TStepView::TableScrolled);
}

// Every size is set here, from the fonts, once and at every change of the zoom: nothing is
// measured as rows arrive.
void TStepView::SizeTable() {
    QTableView* table = ui_->StepTable;
    const QFont numberFont = model_->CellFont();
    QFont boldFont = numberFont;
    boldFont.setBold(true);
    const QFontMetrics plain(numberFont);
    const QFontMetrics bold(boldFont);
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    for (int column = 0; column < kStepColumns; ++column) {
        const QString widest(kColumnCharacters[static_cast<std::size_t>(column)], u'0');
        const int text = std::max(plain.horizontalAdvance(widest), bold.horizontalAdvance(widest));
        header->resizeSection(column,
                              std::max(text + kCellPadding, header->sectionSizeHint(column)));
    }
    QHeaderView* rowHeader = table->verticalHeader();
    const int rowHeight = std::max(plain.height(), bold.height()) + kRowPadding;
    rowHeader->setMinimumSectionSize(rowHeight);
    rowHeader->setDefaultSectionSize(rowHeight);
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);
}

void TStepView::ZoomChanged(qreal factor) {
    Guarded([this, factor] {
        model_->SetZoom(factor);
        SizeTable();
        for (TStepPlot* plot : Plots()) {
            plot->SetZoom(factor);
        }
    });
}

std::vector<TStepPlot*> TStepView::Plots() const {
    return {ui_->VectorPlot, ui_->Magnifier, ui_->Chart};
}

// Window-wide shortcuts reach the window before the focused control's own key handling, so the
// table's cursor keys do not swallow them.
void TStepView::SetUpShortcuts() {
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    space->setAutoRepeat(false);
    connect(space, &QShortcut::activated, this, &TStepView::SpacePressed);
    auto* right = new QShortcut(QKeySequence(Qt::Key_Right), this);
    connect(right, &QShortcut::activated, this, &TStepView::RightPressed);
    auto* left = new QShortcut(QKeySequence(Qt::Key_Left), this);
    connect(left, &QShortcut::activated, this, &TStepView::LeftPressed);
    auto* home = new QShortcut(QKeySequence(Qt::Key_Home), this);
    connect(home, &QShortcut::activated, this, &TStepView::HomePressed);
    auto* end = new QShortcut(QKeySequence(Qt::Key_End), this);
    connect(end, &QShortcut::activated, this, &TStepView::EndPressed);
    for (const auto& [key, button] : {std::pair{Qt::Key_Plus, ui_->GuessPlusButton},
                                      std::pair{Qt::Key_Minus, ui_->GuessMinusButton}}) {
        auto* guess = new QShortcut(QKeySequence(key), this);
        guess->setAutoRepeat(false);
        connect(guess, &QShortcut::activated, button, [button] {
            Guarded([button] {
                if (button->isEnabled()) {
                    button->click();
                }
            });
        });
    }
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &TStepView::CopySelection);
}

void TStepView::RowsReset() {
    Guarded([this] {
        model_->RowsReset();
        followNewest_ = true;
        ui_->StepTable->scrollToTop();
        ui_->Chart->RowsChanged();
        ui_->Magnifier->RowsChanged();
        ui_->VectorPlot->RowsChanged();
        picked_ = -1;
        ShowPickedStep(false);
    });
}

void TStepView::RowAppended() {
    Guarded([this] {
        model_->RowAppended();
        ui_->Chart->RowsChanged();
        ui_->Magnifier->RowsChanged();
        ui_->VectorPlot->RowsChanged();
        if (picked_ < 0) {
            ShowPickedStep(false);
        }
        // One scroll for all the rows that arrive before the event loop runs again.
        if (followNewest_ && !scrollPending_) {
            scrollPending_ = true;
            QTimer::singleShot(0, this, &TStepView::ScrollToNewest);
        }
    });
}

void TStepView::SetRunState(bool running, bool paused) {
    ui_->PauseButton->setEnabled(running);
    ui_->StepButton->setEnabled(running);
    ui_->PauseButton->setText(QString::fromUtf8(paused ? kTextContinue : kTextPause));
    paused_ = running && paused;
}

void TStepView::SetQuiz(const TDirectionQuiz* quiz) {
    quiz_ = quiz;
    model_->SetQuiz(quiz);
    const TStepRows& rows = rows_;
    ui_->VectorPlot->SetDirectionHidden([quiz, &rows](int row) {
        return quiz != nullptr && row >= 0 && static_cast<std::size_t>(row) < rows.Count() &&
               !rows.Row(static_cast<std::size_t>(row)).isResult &&
               quiz->Mark(rows.Row(static_cast<std::size_t>(row)).i) == TGuessMark::Open;
    });
    QuizChanged();
}

void TStepView::QuizChanged() {
    Guarded([this] {
        const bool asking = quiz_ != nullptr && quiz_->Asking();
        {
            const QSignalBlocker blocker(ui_->GuessBox);
            ui_->GuessBox->setChecked(quiz_ != nullptr && quiz_->On());
        }
        ui_->GuessPlusButton->setEnabled(asking);
        ui_->GuessMinusButton->setEnabled(asking);
        SetSpokenText(ui_->ScoreLabel,
                      quiz_ != nullptr ? FromUtf8(quiz_->ScoreText()) : ui_->ScoreLabel->text());
        model_->QuizChanged();
        ui_->VectorPlot->RowsChanged();
    });
}

void TStepView::ShowQuestion() {
    Guarded([this] {
        if (quiz_ != nullptr && quiz_->Asking()) {
            ShowStep(quiz_->OpenStep(), true);
        }
    });
}

void TStepView::GuessPressed(int sign) {
    Guarded([this, sign] { emit DirectionGuessed(sign); });
}

int TStepView::NewestRow() const {
    return static_cast<int>(rows_.Count()) - 1;
}

int TStepView::ShownStep() const {
    return picked_ < 0 ? NewestRow() : std::min(picked_, NewestRow());
}

void TStepView::CopyTableClick() {
    Guarded([this] { SetClipboardText(StepTableTsv(rows_)); });
}

void TStepView::SetExportDialogs(std::unique_ptr<IExportDialogs> dialogs) {
    export_->SetDialogs(std::move(dialogs));
}

void TStepView::SavePictureClick() {
    Guarded([this] { export_->SavePicture(Plots(), ShownStep()); });
}

void TStepView::SaveStepsClick() {
    Guarded([this] { export_->SaveAllSteps(Plots(), static_cast<int>(rows_.Count())); });
}

void TStepView::SaveTableClick() {
    Guarded([this] { export_->SaveTable(rows_); });
}

void TStepView::SpacePressed() {
    Guarded([this] {
        // Space keeps pressing the button that has the focus.
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        QAbstractButton* button = focused != nullptr ? focused : ui_->PauseButton;
        if (button->isEnabled()) {
            button->click();
        }
    });
}

void TStepView::RightPressed() {
    Guarded([this] {
        const int shown = ShownStep();
        if (shown < NewestRow()) {
            ShowStep(shown + 1, true);
        } else if (paused_ && ui_->StepButton->isEnabled()) {
            ShowStep(-1, true);
            ui_->StepButton->click();
        }
    });
}

void TStepView::LeftPressed() {
    Guarded([this] {
        if (ShownStep() > 0) {
            ShowStep(ShownStep() - 1, true);
        }
    });
}

void TStepView::HomePressed() {
    Guarded([this] {
        if (rows_.Count() > 0) {
            ShowStep(0, true);
        }
    });
}

void TStepView::EndPressed() {
    Guarded([this] { ShowStep(-1, true); });
}

void TStepView::SliderMoved(int value) {
    Guarded([this, value] { ShowStep(value, true); });
}

void TStepView::ShowStep(int index, bool selectRow) {
    picked_ = index < 0 || index >= NewestRow() ? -1 : index;
    if (picked_ < 0 && selectRow) {
        followNewest_ = true;
        ScrollToNewest();
    }
    ShowPickedStep(selectRow);
}

// Tells every part of the view the shown row; with `selectRow`, a picked row becomes the
// table's selection and following the newest clears it.
void TStepView::ShowPickedStep(bool selectRow) {
    const int shown = ShownStep();
    ui_->VectorPlot->ShowRow(picked_);
    ui_->Magnifier->ShowRow(picked_);
    ui_->Chart->ShowRow(picked_);
    {
        const QSignalBlocker blocker(ui_->StepSlider);
        ui_->StepSlider->setValue(std::max(shown, 0));
    }
    SetSpokenText(ui_->StepNumber, StepNumberText(rows_, shown));
    if (picked_ >= 0) {
        followNewest_ = false; // the picked row stays in view
    }
    if (!selectRow) {
        return;
    }
    const QScopedValueRollback selecting(selecting_, true);
    QItemSelectionModel* selection = ui_->StepTable->selectionModel();
    if (picked_ < 0) {
        selection->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(picked_, kColumnIndex);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ui_->StepTable->scrollTo(index);
}

void TStepView::CopySelection() {
    Guarded([this] {
        const QModelIndexList selected = ui_->StepTable->selectionModel()->selectedIndexes();
        std::set<std::size_t> rowSet;
        std::set<int> columnSet;
        for (const QModelIndex& index : selected) {
            if (static_cast<std::size_t>(index.row()) < rows_.Count()) {
                rowSet.insert(static_cast<std::size_t>(index.row()));
                columnSet.insert(index.column());
            }
        }
        if (rowSet.empty()) {
            SetClipboardText(StepTableTsv(rows_));
            return;
        }
        const std::vector<std::size_t> rowIndexes(rowSet.begin(), rowSet.end());
        const std::vector<int> columns(columnSet.begin(), columnSet.end());
        SetClipboardText(StepSelectionTsv(rows_, rowIndexes, columns));
    });
}

// The user's selection picks its current row, or else its first; an empty one follows the newest.
void TStepView::SelectionChanged() {
    Guarded([this] {
        if (selecting_) {
            return;
        }
        const QItemSelectionModel* selection = ui_->StepTable->selectionModel();
        if (!selection->hasSelection()) {
            picked_ = -1;
            ShowPickedStep(false);
            return;
        }
        const QModelIndex current = selection->currentIndex();
        if (current.isValid() && selection->isSelected(current)) {
            picked_ = current.row();
        } else {
            const QModelIndexList selected = selection->selectedIndexes();
            picked_ = std::min_element(selected.begin(), selected.end(),
                                       [](const QModelIndex& a, const QModelIndex& b) {
                                           return a.row() < b.row();
                                       })
                          ->row();
        }
        ShowPickedStep(false);
    });
}

void TStepView::TableScrolled(int value) {
    followNewest_ = value >= ui_->StepTable->verticalScrollBar()->maximum();
}

void TStepView::ScrollToNewest() {
    scrollPending_ = false;
    if (followNewest_) {
        ui_->StepTable->scrollToBottom();
    }
}
