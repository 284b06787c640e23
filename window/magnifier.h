#pragma once

#include "step_rows.h"

#include <QWidget>

// Stand-in for the step view's magnifier, so that the view builds: it keeps the rows and the
// row it is asked to show, and paints nothing.
class TMagnifier : public QWidget {
    Q_OBJECT

public:
    explicit TMagnifier(QWidget* parent = nullptr);

    void SetRows(const TStepRows* rows);
    // Repaints from the rows.
    void RowsChanged();
    // The row to show; -1 follows the newest row.
    void ShowRow(int index);

private:
    const TStepRows* rows_ = nullptr;
    int shown_ = -1;
};
