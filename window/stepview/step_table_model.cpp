#include "step_table_model.h"

#include "colours.h"
#include "guard.h"
#include "step_cells.h"
#include "utf8_text.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

// What each column means, for the header's tooltip.
constexpr std::array<const char*, kStepColumns> kHeaderTips = {
    "Index kroku i",
    "Smer otočenia: + proti smeru hodinových ručičiek (z ≥ 0), − v smere",
    "Uhol otočenia v kroku: atan(2^-i) v radiánoch",
    "Zvyšný uhol v radiánoch pred krokom",
    "x pred krokom, smeruje ku kosínusu; zvýraznené číslice sa už zhodujú s výsledkom",
    "y pred krokom, smeruje k sínusu; zvýraznené číslice sa už zhodujú s výsledkom",
    "Vzdialenosť x od kosínusu knižnice C++",
    "Vzdialenosť y od sínusu knižnice C++",
};

// The "smer" cell of a step in the quiz.
constexpr auto kOpenDirection = "?";
constexpr auto kOpenTip = "Hádaj smer: + alebo −";

} // namespace

TStepTableModel::TStepTableModel(const TStepRows& rows, QObject* parent)
    : TNumberTableModel(kColumnSigma, parent), rows_(rows), shown_(static_cast<int>(rows.Count())) {
}

void TStepTableModel::RowsReset() {
    beginResetModel();
    shown_ = static_cast<int>(rows_.Count());
    endResetModel();
}

void TStepTableModel::RowAppended() {
    const int count = static_cast<int>(rows_.Count());
    if (count < shown_) {
        // The rows were started afresh without a reset.
        RowsReset();
        return;
    }
    if (count == shown_) {
        return;
    }
    beginInsertRows(QModelIndex(), shown_, count - 1);
    shown_ = count;
    endInsertRows();
}

void TStepTableModel::SetQuiz(const TDirectionQuiz* quiz) {
    quiz_ = quiz;
    QuizChanged();
}

void TStepTableModel::QuizChanged() {
    if (shown_ > 0) {
        emit dataChanged(index(0, kColumnSigma), index(shown_ - 1, kColumnSigma));
    }
}

int TStepTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int TStepTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kStepColumns;
}

QVariant TStepTableModel::data(const QModelIndex& index, int role) const {
    // The view asks from its event handlers: a failure shows an empty cell.
    return Guarded([&] { return CellData(index, role); }, [] { return QVariant(); });
}

QVariant TStepTableModel::CellData(const QModelIndex& index, int role) const {
    const int row = index.row();
    const int column = index.column();
    if (!index.isValid() || row >= shown_ || static_cast<std::size_t>(row) >= rows_.Count() ||
        column < 0 || column >= kStepColumns) {
        return QVariant();
    }
    const TStepRow& stepRow = rows_.Row(static_cast<std::size_t>(row));
    if (column == kColumnSigma && quiz_ != nullptr && !stepRow.isResult &&
        quiz_->Mark(stepRow.i) != TGuessMark::None) {
        if (const QVariant quizData = SigmaData(stepRow, role); quizData.isValid()) {
            return quizData;
        }
    }
    switch (role) {
    case Qt::DisplayRole:
        return FromUtf8(StepCellText(stepRow, column));
    case Qt::TextAlignmentRole:
    case Qt::FontRole:
        return NumberCellData(column, role);
    case kSettledPrefixRole:
        if (column == kColumnX || column == kColumnY) {
            return static_cast<int>(SettledPrefix(rows_, static_cast<std::size_t>(row), column));
        }
        return QVariant();
    default:
        return QVariant();
    }
}

// The "smer" cell of a step the quiz asked about; no value where the plain cell's holds.
QVariant TStepTableModel::SigmaData(const TStepRow& row, int role) const {
    const TGuessMark mark = quiz_->Mark(row.i);
    switch (role) {
    case Qt::DisplayRole:
        if (mark == TGuessMark::Open) {
            return QString::fromUtf8(kOpenDirection);
        }
        return FromUtf8(GuessedDirectionText(row, mark == TGuessMark::Right));
    case Qt::ForegroundRole:
        if (mark == TGuessMark::Open) {
            return QVariant();
        }
        return TableAccent(mark == TGuessMark::Right ? TTableAccent::Right : TTableAccent::Wrong,
                           QGuiApplication::palette());
    case Qt::ToolTipRole:
        return mark == TGuessMark::Open ? QString::fromUtf8(kOpenTip)
                                        : FromUtf8(GuessedDirectionTip(row, mark == TGuessMark::Right));
    default:
        return QVariant();
    }
}

QString TStepTableModel::HeaderText(int column) const {
    return FromUtf8(StepColumnHeader(column));
}

QString TStepTableModel::HeaderTip(int column) const {
    return QString::fromUtf8(kHeaderTips[static_cast<std::size_t>(column)]);
}
