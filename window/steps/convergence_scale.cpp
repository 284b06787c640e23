#include "convergence_scale.h"

#include <algorithm>
#include <cmath>

TErrorMark ErrorMark(long double value) {
    if (std::isnan(value) || value < kErrorFloor) {
        return {1.0L, true};
    }
    const long double down = -log10l(value) / kErrorDecades;
    return {std::clamp(down, 0.0L, 1.0L), false};
}

long double DecadeDown(int decade) {
    return static_cast<long double>(decade) / kErrorDecades;
}

long double StepRight(std::int32_t i) {
    return std::clamp(static_cast<long double>(i) / kChartLastIndex, 0.0L, 1.0L);
}
