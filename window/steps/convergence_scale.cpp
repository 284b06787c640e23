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

TErrorMark ErrorMark(long double value) {
    return ErrorMark(value, kConvergenceScale);
}

long double DecadeDown(int decade) {
    return DecadeDown(decade, kConvergenceScale);
}

long double StepRight(std::int32_t i) {
    return IndexRight(i, kConvergenceScale);
}
