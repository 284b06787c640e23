#include "step_rows.h"

#include <cmath>

void TStepRows::Start(long double theta) {
    theta_ = theta;
    cos_ = cosl(theta);
    sin_ = sinl(theta);
    final_ = CordicRotate(theta, [](const TCordicStep&) {});
    rows_.clear();
    rows_.reserve(kCordicSteps + 1);
}

TStepRow TStepRows::RowOf(long double x, long double y, long double z) const {
    TStepRow row;
    row.z = z;
    row.x = x;
    row.y = y;
    row.errorX = fabsl(x - cos_);
    row.errorY = fabsl(y - sin_);
    return row;
}

void TStepRows::AddStep(const TCordicStep& step) {
    TStepRow row = RowOf(step.x, step.y, step.z);
    row.i = step.i;
    row.atan = atanl(powl(2.0L, static_cast<long double>(-step.i)));
    rows_.push_back(row);
}

void TStepRows::AddResult(const TCordicResult& result) {
    TStepRow row = RowOf(result.x, result.y, result.z);
    row.isResult = true;
    row.i = kCordicSteps;
    rows_.push_back(row);
}
