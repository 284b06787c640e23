#include "whole_run_rows.h"

TStepRows WholeRunRows(long double theta) {
    TStepRows rows;
    rows.Start(theta);
    rows.AddResult(CordicRotate(theta, [&](const TCordicStep& step) { rows.AddStep(step); }));
    return rows;
}
