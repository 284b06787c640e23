#pragma once

#include "step_rows.h"

#include <QAbstractTableModel>
#include <QFont>

// The step table over the rows of one run (TStepRows), with the texts of step_cells.h. The
// display text of every cell is the plain text, the one screen readers read and copies hold;
// the x and y columns also give the length of their settled prefix (kSettledPrefixRole), which
// TSettledDigitsDelegate marks. Numbers are right-aligned in a fixed-pitch font so that equal
// digit positions line up from row to row.
//
// The model shows the rows it has been told of: the owner of the rows calls RowsReset after
// Start and RowAppended after each AddStep or AddResult.
class TStepTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // int: how many leading characters of the x or y cell's text are settled; no value in the
    // other columns.
    static constexpr int kSettledPrefixRole = Qt::UserRole + 1;

    explicit TStepTableModel(const TStepRows& rows, QObject* parent = nullptr);

    // The fixed-pitch font of the cells.
    static QFont NumberFont();
    // The cells' font: NumberFont at the projector zoom `factor` (1 to 3).
    QFont CellFont() const { return numberFont_; }
    void SetZoom(qreal factor);

    // The rows were started afresh: the views forget every row.
    void RowsReset();
    // Rows were appended since the last call: the views insert them at the end.
    void RowAppended();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVariant CellData(const QModelIndex& index, int role) const;

    const TStepRows& rows_;
    int shown_ = 0; // the rows the views know of
    QFont numberFont_;
};
