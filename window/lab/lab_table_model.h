#pragma once

#include "lab.h"
#include "number_table_model.h"

#include <QString>
#include <vector>

// The table "Kroky laboratória" over one run of the laboratory, with the texts of lab_cells.h:
// six columns for the floating formats, nine with the registers' bits for fixed point. The
// display text of every cell is the plain text, the one screen readers read and copies hold.
// The bit columns also give where the bits step i's shift drops begin (kDroppedStartRole) and
// where the guard bits do (kGuardStartRole), which TBitCellDelegate marks. A state whose update
// wrapped a register (or overflowed a floating format) has a tinted background, a warning sign in
// its index cell and a tooltip. The font, the alignment and the header come from TNumberTableModel.
//
// Texts are made when a view first asks for them and kept until the next run: dragging the
// step count redraws only the rows in view.
class TLabTableModel : public TNumberTableModel {
    Q_OBJECT

public:
    // int: the index in the bit cell's text from which its characters are dropped bits; the
    // text's length when none are. No value in the other columns.
    static constexpr int kDroppedStartRole = Qt::UserRole + 1;
    // int: the index in the bit cell's text from which its characters are guard bits; the text's
    // length without guard bits. No value in the other columns.
    static constexpr int kGuardStartRole = Qt::UserRole + 2;

    explicit TLabTableModel(QObject* parent = nullptr);

    // Shows `run` (not refused) of `setup`.
    void SetRun(const TLabRun& run, const TLabSetup& setup);
    const TLabRun& Run() const { return run_; }
    const TLabSetup& Setup() const { return setup_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    QString HeaderText(int column) const override;
    QString HeaderTip(int column) const override;

private:
    QVariant CellData(const QModelIndex& index, int role) const;
    const QString& Text(int row, int column) const;
    QString OverflowTip() const;

    TLabRun run_{};
    TLabSetup setup_{};
    int columns_ = 0;
    mutable std::vector<QString> texts_; // row-major; null until asked for
};
