#pragma once

#include "direction_quiz.h"
#include "number_table_model.h"
#include "step_rows.h"

// The step table over the rows of one run (TStepRows), with the texts of step_cells.h. The
// display text of every cell is the plain text, the one screen readers read and copies hold;
// the x and y columns also give the length of their settled prefix (kSettledPrefixRole), which
// TSettledDigitsDelegate marks. The font, the alignment and the header come from
// TNumberTableModel.
//
// The model shows the rows it has been told of: the owner of the rows calls RowsReset after
// Start and RowAppended after each AddStep or AddResult.
//
// With a direction quiz (SetQuiz), the "smer" cell of a step whose direction is still to be
// guessed reads "?", and a guessed one its direction with "✓" (right, in green) or "✗" (wrong,
// in red); QuizChanged repaints the column. Copies keep the plain texts of step_cells.h.
class TStepTableModel : public TNumberTableModel {
    Q_OBJECT

public:
    // int: how many leading characters of the x or y cell's text are settled; no value in the
    // other columns.
    static constexpr int kSettledPrefixRole = Qt::UserRole + 1;

    explicit TStepTableModel(const TStepRows& rows, QObject* parent = nullptr);

    // The rows were started afresh: the views forget every row.
    void RowsReset();
    // Rows were appended since the last call: the views insert them at the end.
    void RowAppended();
    // The quiz whose marks the "smer" column shows; nullptr shows none. It must outlive the
    // model or be replaced before it goes.
    void SetQuiz(const TDirectionQuiz* quiz);
    // The quiz's marks changed.
    void QuizChanged();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    QString HeaderText(int column) const override;
    QString HeaderTip(int column) const override;

private:
    QVariant CellData(const QModelIndex& index, int role) const;

    QVariant SigmaData(const TStepRow& row, int role) const;

    const TStepRows& rows_;
    const TDirectionQuiz* quiz_ = nullptr;
    int shown_ = 0; // the rows the views know of
};
