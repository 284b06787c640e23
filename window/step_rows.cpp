#include "step_rows.h"

#include <cmath>

void TStepRows::Start(long double theta) {
    started_ = true;
    theta_ = theta;
    cos_ = cosl(theta);
    sin_ = sinl(theta);
    final_ = CordicRotate(theta, [](const TCordicStep&) {});
    rows_.clear();
    rows_.reserve(kCordicSteps + 1);
}

void TStepRows::AddStep(const TCordicStep& step) {
    TStepRow row;
    row.i = step.i;
    row.sigma = step.z >= 0.0L ? 1 : -1;
    row.atan = atanl(powl(2.0L, static_cast<long double>(-step.i)));
    row.z = step.z;
    row.x = step.x;
    row.y = step.y;
    row.errorX = fabsl(step.x - cos_);
    row.errorY = fabsl(step.y - sin_);
    rows_.push_back(row);
}

void TStepRows::AddResult(const TCordicResult& result) {
    TStepRow row;
    row.isResult = true;
    row.i = kCordicSteps;
    row.z = result.z;
    row.x = result.x;
    row.y = result.y;
    row.errorX = fabsl(result.x - cos_);
    row.errorY = fabsl(result.y - sin_);
    rows_.push_back(row);
}

bool TStepRows::Complete() const {
    return !rows_.empty() && rows_.back().isResult;
}
