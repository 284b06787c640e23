#include "convergence_scale.h"

#include <algorithm>
#include <cmath>

TErrorMark ErrorMark(long double value, const TLogScale& scale) {
    if (std::isnan(value) || value < scale.floor) {
        return {1.0L, true};
    }
    const long double down = (scale.top - log10l(value)) / scale.decades;
    return {std::clamp(down, 0.0L, 1.0L), false};
}

long double DecadeDown(int decade, const TLogScale& scale) {
    return static_cast<long double>(decade) / scale.decades;
}

long double IndexRight(std::int32_t i, const TLogScale& scale) {
    const auto span = static_cast<long double>(scale.last - scale.first);
    return std::clamp(static_cast<long double>(i - scale.first) / span, 0.0L, 1.0L);
}

TLogScale FittedLogScale(std::span<const long double> values, std::int32_t first, std::int32_t last,
                         int minimumDecades) {
    long double largest = 0.0L;
    long double smallest = 0.0L;
    for (const long double value : values) {
        if (value > 0.0L && std::isfinite(value)) {
            largest = std::max(largest, value);
            smallest = smallest == 0.0L ? value : std::min(smallest, value);
        }
    }
    int top = 0;
    int bottom = -minimumDecades;
    if (largest > 0.0L) {
        top = static_cast<int>(ceill(log10l(largest)));
        bottom = std::min(static_cast<int>(floorl(log10l(smallest))), top - minimumDecades);
    }
    return {top, top - bottom, powl(10.0L, static_cast<long double>(bottom)), first, last};
}

TErrorMark ErrorMark(long double value) {
    return ErrorMark(value, kConvergenceScale);
}

long double DecadeDown(int decade) {
    return DecadeDown(decade, kConvergenceScale);
}

long double StepRight(std::int32_t i) {
    return IndexRight(i, kConvergenceScale);
}
