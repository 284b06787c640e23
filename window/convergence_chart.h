#pragma once

#include "step_rows.h"

#include <QWidget>

// Stand-in for the convergence chart of the step view, so that the view builds: it keeps the
// rows it is given and paints nothing.
class TConvergenceChart : public QWidget {
    Q_OBJECT

public:
    explicit TConvergenceChart(QWidget* parent = nullptr);

    void SetRows(const TStepRows* rows);
    // Repaints from the rows.
    void RowsChanged();

private:
    const TStepRows* rows_ = nullptr;
};
