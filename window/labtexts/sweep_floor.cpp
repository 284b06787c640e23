#include "sweep_floor.h"

#include <algorithm>

std::int32_t SweepFloorSteps(const TLabSweep& sweep) {
    const auto least = std::min_element(sweep.begin(), sweep.end());
    return static_cast<std::int32_t>(least - sweep.begin()) + 1;
}
