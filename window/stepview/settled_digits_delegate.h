#pragma once

#include <QStyledItemDelegate>

// Paints the step table's x and y cells with their settled digits marked: the leading
// characters the model's kSettledPrefixRole counts are drawn bold and green (dark on a light
// base, light on a dark one; bold in the selection's text colour on a selected cell), the rest in
// the plain text colour. The cell's text stays the plain number. Cells without a settled prefix,
// and cells too narrow for their whole number, are painted as usual.
class TSettledDigitsDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    // Returns false, having painted nothing, when the cell is painted as usual instead.
    bool PaintSettled(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const;
};
