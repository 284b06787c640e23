#include "bit_cell_delegate.h"

#include "colours.h"
#include "guard.h"
#include "lab_table_model.h"
#include "text_runs_cell.h"

#include <QPainter>
#include <vector>

void TBitCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    Guarded([&] {
        if (!PaintMarked(painter, option, index)) {
            QStyledItemDelegate::paint(painter, option, index);
        }
    });
}

bool TBitCellDelegate::PaintMarked(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const int start = index.data(TLabTableModel::kDroppedStartRole).toInt();
    if (cell.text.isEmpty() || start >= cell.text.size()) {
        return false;
    }
    const bool selected = (cell.state & QStyle::State_Selected) != 0;
    const QColor textColour = CellTextColour(cell);
    QFont droppedFont = cell.font;
    droppedFont.setUnderline(true);
    std::vector<TTextRun> runs{{cell.text.left(start), cell.font, textColour}};
    // The dropped part, character by character: the dot keeps the plain look.
    for (const QChar character : cell.text.mid(start)) {
        const bool bit = character != u'.';
        runs.push_back(
            {QString(character), bit ? droppedFont : cell.font,
             bit && !selected ? TableAccent(TTableAccent::Dropped, cell.palette) : textColour});
    }
    return PaintTextRuns(painter, cell, runs);
}
