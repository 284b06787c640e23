#include "lab_table_model.h"

#include "colours.h"
#include "guard.h"
#include "lab_cells.h"
#include "utf8_text.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <array>

namespace {

// What each column means, for the header's tooltip.
constexpr std::array<const char*, kLabFixedColumns> kHeaderTips = {
    "Index stavu i: stav pred krokom i, posledný riadok po poslednom kroku",
    "Smer otočenia v kroku i",
    "Posun s: o koľko bitov krok i posúva register",
    "Register x",
    "Register y",
    "Register z",
    "Register x v dvojkovom doplnku; podčiarknuté bity posun v kroku i zahodí, podfarbené na "
    "konci sú strážne bity",
    "Register y v dvojkovom doplnku; podčiarknuté bity posun v kroku i zahodí, podfarbené na "
    "konci sú strážne bity",
    "Register z v dvojkovom doplnku; podfarbené na konci sú strážne bity",
};

constexpr auto kFixedOverflowTip = "Pretečenie: výsledok sa do W bitov nezmestil";
constexpr auto kFloatOverflowTip = "Pretečenie: výsledok je nekonečno";

} // namespace

TLabTableModel::TLabTableModel(QObject* parent) : TNumberTableModel(kLabColumnSigma, parent) {}

void TLabTableModel::SetRun(const TLabRun& run, const TLabSetup& setup) {
    beginResetModel();
    run_ = run;
    setup_ = setup;
    columns_ = LabColumnCount(setup.arithmetic);
    texts_.assign(run_.states.size() * static_cast<std::size_t>(columns_), QString());
    endResetModel();
}

int TLabTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(run_.states.size());
}

int TLabTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant TLabTableModel::data(const QModelIndex& index, int role) const {
    // The view asks from its event handlers: a failure shows an empty cell.
    return Guarded([&] { return CellData(index, role); }, [] { return QVariant(); });
}

const QString& TLabTableModel::Text(int row, int column) const {
    QString& text = texts_[static_cast<std::size_t>(row * columns_ + column)];
    if (text.isNull()) {
        text = FromUtf8(LabCellText(run_.states[static_cast<std::size_t>(row)], column, setup_));
    }
    return text;
}

QString TLabTableModel::OverflowTip() const {
    return QString::fromUtf8(setup_.arithmetic == TLabArithmetic::Fixed ? kFixedOverflowTip
                                                                        : kFloatOverflowTip);
}

QVariant TLabTableModel::CellData(const QModelIndex& index, int role) const {
    const int row = index.row();
    const int column = index.column();
    if (!index.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columns_) {
        return QVariant();
    }
    const TLabState& state = run_.states[static_cast<std::size_t>(row)];
    switch (role) {
    case Qt::DisplayRole:
        return Text(row, column);
    case Qt::TextAlignmentRole:
    case Qt::FontRole:
        return NumberCellData(column, role);
    case Qt::BackgroundRole:
        // A tint behind a wrapped state; its index cell also carries the warning sign.
        return state.overflow
                   ? QVariant(TableAccent(TTableAccent::WrappedRow, QApplication::palette()))
                   : QVariant();
    case Qt::DecorationRole:
        if (state.overflow && column == kLabColumnIndex) {
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        }
        return QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return state.overflow ? QVariant(OverflowTip()) : QVariant();
    case kDroppedStartRole:
        if (column >= kLabColumnXBits) {
            const std::int32_t dropped = LabDroppedBits(state, column, setup_);
            return static_cast<int>(LabDroppedStart(dropped, setup_));
        }
        return QVariant();
    case kGuardStartRole:
        return column >= kLabColumnXBits ? QVariant(static_cast<int>(LabGuardStart(setup_)))
                                         : QVariant();
    default:
        return QVariant();
    }
}

QString TLabTableModel::HeaderText(int column) const {
    return FromUtf8(LabColumnHeader(column));
}

QString TLabTableModel::HeaderTip(int column) const {
    return QString::fromUtf8(kHeaderTips[static_cast<std::size_t>(column)]);
}
