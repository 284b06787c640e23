#pragma once

#include <QStyledItemDelegate>

// Paints the laboratory's bit cells with the bits step i's shift drops marked twice over, for
// those who do not tell the colour: drawn in dark orange and underlined. Which characters those
// are comes from the model's kDroppedStartRole; the dot among them is not a bit and stays plain.
// The cell's text stays the plain register. Cells without dropped bits, and cells too narrow for
// their whole text, are painted as usual.
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
