#include "step_plot.h"

#include "step_rows.h"

#include <algorithm>

void TStepPlot::SetRows(const TStepRows* rows) {
    rows_ = rows;
    update();
}

void TStepPlot::RowsChanged() {
    update();
}

void TStepPlot::ShowRow(int index) {
    shownIndex_ = std::max(index, -1);
    update();
}

int TStepPlot::ShownRow() const {
    if (rows_ == nullptr || rows_->Count() == 0) {
        return -1;
    }
    const int newest = static_cast<int>(rows_->Count()) - 1;
    return shownIndex_ < 0 ? newest : std::min(shownIndex_, newest);
}
