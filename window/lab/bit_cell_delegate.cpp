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
    const qsizetype dropped = index.data(TLabTableModel::kDroppedStartRole).toInt();
    const qsizetype guard = index.data(TLabTableModel::kGuardStartRole).toInt();
    const qsizetype length = cell.text.size();
    if (length == 0 || (dropped >= length && guard >= length) ||
        (cell.state & QStyle::State_Enabled) == 0) {
        return false;
    }
    const bool selected = (cell.state & QStyle::State_Selected) != 0;
    const QColor textColour = CellTextColour(cell);
    const QColor droppedColour =
        selected ? textColour : TableAccent(TTableAccent::Dropped, cell.palette);
    const QColor guardBackground =
        selected ? QColor() : TableAccent(TTableAccent::GuardBits, cell.palette);
    QFont droppedFont = cell.font;
    droppedFont.setUnderline(true);
    // Runs of characters alike: plain, dropped, each on the guard bits' background or not.
    std::vector<TTextRun> runs;
    for (qsizetype k = 0; k < length; ++k) {
        const QChar character = cell.text[k];
        const bool isDropped = k >= dropped && character != u'.';
        const bool isGuard = k >= guard;
        const QColor colour = isDropped ? droppedColour : textColour;
        const QColor background = isGuard ? guardBackground : QColor();
        if (!runs.empty() && runs.back().colour == colour &&
            runs.back().font.underline() == isDropped && runs.back().background == background) {
            runs.back().text += character;
        } else {
            runs.push_back(
                {QString(character), isDropped ? droppedFont : cell.font, colour, background});
        }
    }
    return PaintTextRuns(painter, cell, runs);
}
