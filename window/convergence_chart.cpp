#include "convergence_chart.h"

TConvergenceChart::TConvergenceChart(QWidget* parent) : QWidget(parent) {}

void TConvergenceChart::SetRows(const TStepRows* rows) {
    rows_ = rows;
}

void TConvergenceChart::RowsChanged() {
    update();
}
