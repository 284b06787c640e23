#include "settled_digits_delegate.h"

#include "colours.h"
#include "guard.h"
#include "step_table_model.h"
#include "text_runs_cell.h"

#include <QPainter>

void TSettledDigitsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    Guarded([&] {
        if (!PaintSettled(painter, option, index)) {
            QStyledItemDelegate::paint(painter, option, index);
        }
    });
}

bool TSettledDigitsDelegate::PaintSettled(QPainter* painter, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    const int prefix = index.data(TStepTableModel::kSettledPrefixRole).toInt();
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    if (prefix <= 0 || cell.text.isEmpty()) {
        return false;
    }
    QFont settledFont = cell.font;
    settledFont.setBold(true);
    const bool selected = (cell.state & QStyle::State_Selected) != 0;
    const QColor textColour = CellTextColour(cell);
    return PaintTextRuns(
        painter, cell,
        {{cell.text.left(prefix), settledFont,
          selected ? textColour : TableAccent(TTableAccent::Settled, cell.palette)},
         {cell.text.mid(prefix), cell.font, textColour}});
}
