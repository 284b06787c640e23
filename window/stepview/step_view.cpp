#include "step_view.h"

#include "file_dialogs.h"
#include "flow_layout.h"
#include "guard.h"
#include "number_table_view.h"
#include "projector_zoom.h"
#include "resize_watch.h"
#include "settled_digits_delegate.h"
#include "spoken_label.h"
#include "step_cells.h"
#include "step_export.h"
#include "step_plot.h"
#include "step_table_model.h"
#include "step_view_layout.h"
#include "ui_step_view.h"
#include "utf8_text.h"
#include "vector_geometry.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QSplitter>
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
const std::vector<int> kColumnCharacters = {8, 1, 27, 27, 27, 27, 9, 9};
// While guessing is on, "smer" holds the mark and a wrong guess: "− ✗ (+)".
constexpr int kGuessedSigmaCharacters = 7;
// The table's least: "i", "smer" and one value column, and two rows.
constexpr int kLeastColumns = kColumnAtan + 1;
constexpr int kLeastRows = 2;

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
    // Enlarged for a projector, the buttons and the lesson's controls wrap rather than widen the
    // window; the buttons stay below the content, in view, as wide as it.
    TFlowLayout* buttons = TFlowLayout::ReplaceBoxLayout(ui_->ButtonPanel);
    const QMargins content = ui_->ContentLayout->contentsMargins();
    buttons->setContentsMargins(content.left(), 0, content.right(), content.bottom());
    timeline_ = TFlowLayout::ReplaceBoxLayout(ui_->TimelinePanel);
    guessing_ = TFlowLayout::ReplaceBoxLayout(ui_->GuessPanel);
    ui_->LessonLayout->setAlignment(ui_->ControlsPanel, Qt::AlignTop);
    WhenResized(ui_->ContentScroll->viewport(), [this] { ScheduleArrange(); });
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
    shown_.SetRowCount(static_cast<int>(rows_.Count()));
    ShowPickedStep(false);
    ui_->StepTable->setFocus();
}

TStepView::~TStepView() = default;

void TStepView::SetUpTable() {
    TNumberTableView* table = ui_->StepTable;
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
    std::vector<int> characters = kColumnCharacters;
    if (quiz_ != nullptr && quiz_->On()) {
        characters[kColumnSigma] = kGuessedSigmaCharacters;
    }
    ui_->StepTable->SetColumnCharacters(characters);
    ui_->StepTable->FitToFont(model_->CellFont());
}

void TStepView::ZoomChanged(qreal factor) {
    Guarded([this, factor] {
        model_->SetZoom(factor);
        SizeTable();
        for (TStepPlot* plot : Plots()) {
            plot->SetZoom(factor);
        }
        // Once the fonts have reached every control and the window its size.
        ScheduleArrange();
    });
}

void TStepView::ScheduleArrange() {
    if (!arrangePending_) {
        arrangePending_ = true;
        QTimer::singleShot(0, this, [this] { Guarded([this] { Arrange(); }); });
    }
}

// The parts' least sizes at the zoom, the room the content has, and the arrangement they give
// (step_view_layout.h) applied to the splitters and the lesson's and the charts' rows.
void TStepView::Arrange() {
    arrangePending_ = false;
    const QMargins margins = ui_->ContentLayout->contentsMargins();
    const QSize viewport = ui_->ContentScroll->viewport()->size();
    const TStepViewRoom room{viewport.width() - margins.left() - margins.right(),
                             viewport.height() - margins.top() - margins.bottom()};
    const TVectorPlot* plot = ui_->VectorPlot;
    const int controlsSpacing = ui_->ControlsLayout->spacing();
    const auto controlsHeight = [&](int width) {
        return timeline_->HeightAt(width) + controlsSpacing + guessing_->HeightAt(width);
    };
    TStepViewParts parts;
    parts.tableLeastWidth = ui_->StepTable->WidthFor(kLeastColumns);
    parts.tableWholeWidth = ui_->StepTable->WidthFor();
    parts.tableLeastHeight = ui_->StepTable->HeightFor(kLeastRows);
    parts.plotLeastWidth = plot->minimumSizeHint().width();
    parts.plotLeastHeight = plot->minimumSizeHint().height();
    parts.plotAspect = RegionAspect();
    parts.plotFixedWidth = plot->FixedWidth();
    parts.plotFixedHeight = plot->FixedHeight();
    parts.plotCaptionWidth = plot->CaptionWidth();
    parts.controlsWidth = ui_->ControlsPanel->minimumSizeHint().width();
    parts.controlsHeightBelow = ui_->LessonLayout->spacing() +
                                controlsHeight(std::max(parts.plotLeastWidth, parts.controlsWidth));
    parts.controlsHeightBeside = controlsHeight(parts.controlsWidth);
    parts.chartLeastWidth = ui_->Chart->minimumSizeHint().width();
    parts.chartLeastHeight = ui_->Chart->minimumSizeHint().height();
    parts.magnifierLeastWidth = ui_->Magnifier->minimumSizeHint().width();
    parts.magnifierLeastHeight = ui_->Magnifier->minimumSizeHint().height();
    parts.gap = std::max(ui_->Splitter->handleWidth(), ui_->ContentLayout->spacing());
    const TStepViewArrangement arranged = ArrangeStepView(room, parts);

    QSplitter* top = ui_->TopSplitter;
    top->setOrientation(arranged.stacked ? Qt::Vertical : Qt::Horizontal);
    top->insertWidget(0,
                      arranged.stacked ? ui_->LessonPanel : static_cast<QWidget*>(ui_->StepTable));
    ui_->LessonLayout->setDirection(arranged.controlsBeside ? QBoxLayout::LeftToRight
                                                            : QBoxLayout::TopToBottom);
    ui_->ControlsPanel->setFixedWidth(arranged.controlsBeside ? parts.controlsWidth
                                                              : QWIDGETSIZE_MAX);
    if (!arranged.controlsBeside) {
        ui_->ControlsPanel->setMinimumWidth(0);
    }
    ui_->ChartLayout->setDirection(arranged.chartsSideBySide ? QBoxLayout::LeftToRight
                                                             : QBoxLayout::TopToBottom);
    if (arranged.stacked) {
        top->setSizes({arranged.lessonHeight, arranged.tableHeight});
    } else {
        top->setSizes({arranged.tableWidth, arranged.lessonWidth});
    }
    ui_->Splitter->setSizes({arranged.topHeight, arranged.chartsHeight});
    // Where the parts need more height than the room has, the content scrolls.
    const int height = arranged.topHeight + parts.gap + arranged.chartsHeight;
    ui_->Content->setMinimumHeight(height > room.height ? height + margins.top() + margins.bottom()
                                                        : 0);
    // The table keeps the shown row in view, once it has its new size.
    QTimer::singleShot(0, this, [this] {
        Guarded([this] {
            if (shown_.Picked() >= 0) {
                ui_->StepTable->scrollTo(model_->index(shown_.Picked(), kColumnIndex));
            } else if (followNewest_) {
                ui_->StepTable->scrollToBottom();
            }
        });
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
    auto* laboratory = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(laboratory, &QShortcut::activated, this, &TStepView::LaboratoryRequested);
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
        shown_.Reset();
        ShowPickedStep(false);
    });
}

void TStepView::RowAppended() {
    Guarded([this] {
        model_->RowAppended();
        ui_->Chart->RowsChanged();
        ui_->Magnifier->RowsChanged();
        ui_->VectorPlot->RowsChanged();
        shown_.SetRowCount(static_cast<int>(rows_.Count()));
        if (shown_.Picked() < 0) {
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
        // While guessing is on the question's line keeps its place, empty between questions.
        const bool guessing = quiz_ != nullptr && quiz_->On();
        if (guessing != ui_->QuestionLabel->isVisibleTo(this)) {
            ui_->QuestionLabel->setVisible(guessing);
            SizeTable();
        }
        SetSpokenText(ui_->QuestionLabel,
                      quiz_ != nullptr ? FromUtf8(quiz_->QuestionText()) : QString());
        model_->QuizChanged();
        ui_->VectorPlot->RowsChanged();
    });
}

void TStepView::ShowQuestion() {
    Guarded([this] {
        if (quiz_ != nullptr && quiz_->Asking()) {
            shown_.Show(quiz_->OpenStep());
            ShowPickedStep(true);
        }
    });
}

void TStepView::GuessPressed(int sign) {
    Guarded([this, sign] { emit DirectionGuessed(sign); });
}

int TStepView::ShownStep() const {
    return shown_.Shown();
}

void TStepView::CopyTableClick() {
    Guarded([this] { SetClipboardText(StepTableTsv(rows_)); });
}

void TStepView::SetExportDialogs(std::unique_ptr<IExportDialogs> dialogs) {
    export_->SetDialogs(std::move(dialogs));
}

void TStepView::SavePictureClick() {
    Guarded([this] { ShowSaved(export_->SavePicture(Plots(), rows_, ShownStep())); });
}

void TStepView::SaveStepsClick() {
    Guarded([this] { ShowSaved(export_->SaveAllSteps(Plots(), rows_)); });
}

void TStepView::SaveTableClick() {
    Guarded([this] { ShowSaved(export_->SaveTable(rows_)); });
}

// A save that wrote its file says so below the buttons; one that did not has told why already.
void TStepView::ShowSaved(const QString& saved) {
    if (saved.isEmpty()) {
        return;
    }
    SetSpokenText(ui_->SaveStatus, saved);
    ui_->SaveStatus->show();
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
        const bool moved = shown_.Next();
        ShowPickedStep(true);
        if (!moved && paused_ && ui_->StepButton->isEnabled()) {
            ui_->StepButton->click();
        }
    });
}

void TStepView::LeftPressed() {
    Guarded([this] {
        if (shown_.Shown() > 0) {
            shown_.Previous();
            ShowPickedStep(true);
        }
    });
}

void TStepView::HomePressed() {
    Guarded([this] {
        if (rows_.Count() > 0) {
            shown_.First();
            ShowPickedStep(true);
        }
    });
}

void TStepView::EndPressed() {
    Guarded([this] {
        shown_.Newest();
        ShowPickedStep(true);
    });
}

void TStepView::SliderMoved(int value) {
    Guarded([this, value] {
        shown_.Show(value);
        ShowPickedStep(true);
    });
}

// Tells every part of the view the shown row; with `selectRow`, a picked row becomes the
// table's selection and following the newest clears it and scrolls to it.
void TStepView::ShowPickedStep(bool selectRow) {
    const int picked = shown_.Picked();
    const int shown = shown_.Shown();
    for (TStepPlot* plot : Plots()) {
        plot->ShowRow(picked);
    }
    {
        const QSignalBlocker blocker(ui_->StepSlider);
        ui_->StepSlider->setValue(std::max(shown, 0));
    }
    SetSpokenText(ui_->StepNumber, StepNumberText(rows_, shown));
    if (picked >= 0) {
        followNewest_ = false; // the picked row stays in view
    }
    if (!selectRow) {
        return;
    }
    const QScopedValueRollback selecting(selecting_, true);
    QItemSelectionModel* selection = ui_->StepTable->selectionModel();
    if (picked < 0) {
        selection->clearSelection();
        followNewest_ = true;
        ScrollToNewest();
        return;
    }
    const QModelIndex index = model_->index(picked, kColumnIndex);
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
            shown_.Newest();
            ShowPickedStep(false);
            return;
        }
        const QModelIndex current = selection->currentIndex();
        if (current.isValid() && selection->isSelected(current)) {
            shown_.Pick(current.row());
        } else {
            const QModelIndexList selected = selection->selectedIndexes();
            shown_.Pick(std::min_element(selected.begin(), selected.end(),
                                         [](const QModelIndex& a, const QModelIndex& b) {
                                             return a.row() < b.row();
                                         })
                            ->row());
        }
        ShowPickedStep(false);
    });
}

void TStepView::TableScrolled(int value) {
    Guarded(
        [this, value] { followNewest_ = value >= ui_->StepTable->verticalScrollBar()->maximum(); });
}

void TStepView::ScrollToNewest() {
    Guarded([this] {
        scrollPending_ = false;
        if (followNewest_) {
            ui_->StepTable->scrollToBottom();
        }
    });
}
