#pragma once

#include "paper_plot.h"

class TStepRows;

// A painted view of the step rows of one run (see step_rows.h), the common part of the step
// view's plots; painted on paper at its design size (paper_plot.h). The plot does not own the
// rows; it paints whatever they hold at the time, so a run shows live as long as every change of
// the rows is followed by RowsChanged(). Painting happens only in paint events, which the toolkit
// merges: RowsChanged() after every appended row costs one paint per pass of the event loop, not
// one per row.
class TStepPlot : public TPaperPlot {
    Q_OBJECT

public:
    // The rows to show; nullptr shows the empty plot. The rows must outlive the plot or be
    // replaced before they go.
    void SetRows(const TStepRows* rows);
    // The rows changed: schedules a repaint.
    void RowsChanged();
    // The index of the row to show; -1 (the start) follows the newest row. An index the rows
    // do not reach (yet) shows the newest row.
    void ShowRow(int index);
    // The index ShowRow was last given; -1 while the plot follows the newest row.
    int RequestedRow() const { return shownIndex_; }

protected:
    using TPaperPlot::TPaperPlot;

    const TStepRows* Rows() const { return rows_; }
    // The row ShowRow asks for, within the rows there are; -1 while there are none.
    int ShownRow() const;

private:
    const TStepRows* rows_ = nullptr;
    int shownIndex_ = -1;
};
