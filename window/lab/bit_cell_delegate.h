#pragma once

#include <QStyledItemDelegate>

// Paints the laboratory's bit cells with two marks. The bits step i's shift drops are marked twice
// over, for those who do not tell the colour: drawn in dark orange and underlined; the dot among
// them is not a bit and stays plain. The guard bits, the last G after the F fraction bits, stand
// on a background of their own, so that the output's word and the bits the registers carry
// beyond it part at a glance. Where the marks go comes from the model's kDroppedStartRole and
// kGuardStartRole; the cell's text stays the plain register. Cells without marks, cells too
// narrow for their whole text and a disabled table's cells (greyed) are painted as usual.
class TBitCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    // Returns false, having painted nothing, when the cell is painted as usual instead.
    bool PaintMarked(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const;
};
