#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QString>

// The common part of the windows' tables of numbers (the step table and the laboratory's): the
// numbers right-aligned in a fixed-pitch font, so that equal digit positions line up from row to
// row, the direction column centred, the font at the projector zoom, and the header's texts with
// a tooltip each.
class TNumberTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The fixed-pitch font of the cells at 100 %.
    static QFont NumberFont();

    // The cells' font: NumberFont at the projector zoom `factor` (1 to 3).
    const QFont& CellFont() const { return cellFont_; }
    void SetZoom(qreal factor);

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const final;

protected:
    // `centredColumn`: the column whose one-character cells stand centred.
    TNumberTableModel(int centredColumn, QObject* parent);

    // The font and the alignment of a cell of `column`; no value for the other roles.
    QVariant NumberCellData(int column, int role) const;

    // The header of `column` (within columnCount()) and what it means.
    virtual QString HeaderText(int column) const = 0;
    virtual QString HeaderTip(int column) const = 0;

private:
    int centredColumn_;
    QFont cellFont_;
};
