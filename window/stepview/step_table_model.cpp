#include "step_table_model.h"

#include "guard.h"
#include "step_cells.h"
#include "utf8_text.h"

#include <QFontDatabase>
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

} // namespace

TStepTableModel::TStepTableModel(const TStepRows& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), shown_(static_cast<int>(rows.Count())),
      numberFont_(NumberFont()) {}

QFont TStepTableModel::NumberFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

void TStepTableModel::SetZoom(qreal factor) {
    numberFont_ = NumberFont();
    if (numberFont_.pointSizeF() > 0) {
        numberFont_.setPointSizeF(numberFont_.pointSizeF() * factor);
    } else {
        numberFont_.setPixelSize(qRound(numberFont_.pixelSize() * factor));
    }
    if (shown_ > 0) {
        emit dataChanged(index(0, 0), index(shown_ - 1, kStepColumns - 1), {Qt::FontRole});
    }
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
    switch (role) {
    case Qt::DisplayRole:
        return FromUtf8(StepCellText(rows_.Row(static_cast<std::size_t>(row)), column));
    case Qt::TextAlignmentRole:
        return column == kColumnSigma ? int(Qt::AlignCenter)
                                      : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        return numberFont_;
    case kSettledPrefixRole:
        if (column == kColumnX || column == kColumnY) {
            return static_cast<int>(SettledPrefix(rows_, static_cast<std::size_t>(row), column));
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant TStepTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kStepColumns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
    case Qt::DisplayRole:
        return FromUtf8(StepColumnHeader(section));
    case Qt::ToolTipRole:
        return QString::fromUtf8(kHeaderTips[static_cast<std::size_t>(section)]);
    default:
        return QVariant();
    }
}
