#include "number_table_model.h"

#include "guard.h"
#include "projector_zoom.h"

#include <QFontDatabase>

TNumberTableModel::TNumberTableModel(int centredColumn, QObject* parent)
    : QAbstractTableModel(parent), centredColumn_(centredColumn), cellFont_(NumberFont()) {}

QFont TNumberTableModel::NumberFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

void TNumberTableModel::SetZoom(qreal factor) {
    cellFont_ = ScaledFont(NumberFont(), factor);
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::FontRole});
    }
}

QVariant TNumberTableModel::NumberCellData(int column, int role) const {
    switch (role) {
    case Qt::TextAlignmentRole:
        return column == centredColumn_ ? int(Qt::AlignCenter)
                                        : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        return cellFont_;
    default:
        return QVariant();
    }
}

QVariant TNumberTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return Guarded(
        [&]() -> QVariant {
            if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
                return QAbstractTableModel::headerData(section, orientation, role);
            }
            switch (role) {
            case Qt::DisplayRole:
                return HeaderText(section);
            case Qt::ToolTipRole:
                return HeaderTip(section);
            default:
                return QVariant();
            }
        },
        [] { return QVariant(); });
}
