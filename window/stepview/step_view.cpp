#include "step_view.h"

#include "guard.h"
#include "projector_zoom.h"
#include "settled_digits_delegate.h"
#include "step_cells.h"
#include "step_table_model.h"
#include "ui_step_view.h"
#include "utf8_text.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <array>
#include <set>
#include <string>
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
// The first split between the table and the chart row, in pixels of height.
constexpr int kTableHeight = 430;
constexpr int kChartsHeight = 200;

void SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(FromUtf8(text));
}

} // namespace

TStepView::TStepView(const TStepRows& rows, QWidget* owner)
    : QWidget(owner, Qt::Window), ui_(std::make_unique<Ui::TStepView>()), rows_(rows) {
    ui_->setupUi(this);
    ui_->Chart->SetRows(&rows_);
    ui_->Magnifier->SetRows(&rows_);
    ui_->Splitter->setSizes({kTableHeight, kChartsHeight});
    SetUpTable();
    SetUpShortcuts();
    zoom_ = new TProjectorZoom(this);
    connect(zoom_, &TProjectorZoom::Changed, this, &TStepView::ZoomChanged);

    connect(ui_->PauseButton, &QPushButton::clicked, this, &TStepView::PauseToggled);
    connect(ui_->StepButton, &QPushButton::clicked, this, &TStepView::StepRequested);
    connect(ui_->CopyButton, &QPushButton::clicked, this, &TStepView::CopyTableClick);
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
    return {ui_->Chart, ui_->Magnifier};
}

// Window-wide shortcuts reach the window before the focused control's own key handling, so the
// table's cursor keys do not swallow them.
void TStepView::SetUpShortcuts() {
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    space->setAutoRepeat(false);
    connect(space, &QShortcut::activated, this, &TStepView::SpacePressed);
    auto* right = new QShortcut(QKeySequence(Qt::Key_Right), this);
    connect(right, &QShortcut::activated, this, &TStepView::RightPressed);
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
        ui_->Magnifier->ShowRow(-1);
    });
}

void TStepView::RowAppended() {
    Guarded([this] {
        model_->RowAppended();
        ui_->Chart->RowsChanged();
        ui_->Magnifier->RowsChanged();
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
}

void TStepView::CopyTableClick() {
    Guarded([this] { SetClipboardText(StepTableTsv(rows_)); });
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
        if (ui_->StepButton->isEnabled()) {
            ui_->StepButton->click();
        }
    });
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
            return;
        }
        const std::vector<std::size_t> rowIndexes(rowSet.begin(), rowSet.end());
        const std::vector<int> columns(columnSet.begin(), columnSet.end());
        SetClipboardText(StepSelectionTsv(rows_, rowIndexes, columns));
    });
}

void TStepView::SelectionChanged() {
    Guarded([this] {
        const QItemSelectionModel* selection = ui_->StepTable->selectionModel();
        if (!selection->hasSelection()) {
            ui_->Magnifier->ShowRow(-1);
            return;
        }
        const QModelIndex current = selection->currentIndex();
        if (current.isValid() && selection->isSelected(current)) {
            ui_->Magnifier->ShowRow(current.row());
            return;
        }
        const QModelIndexList selected = selection->selectedIndexes();
        const auto first = std::min_element(
            selected.begin(), selected.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
        ui_->Magnifier->ShowRow(first->row());
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
