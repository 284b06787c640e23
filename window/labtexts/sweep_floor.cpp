#include "sweep_floor.h"

#include <algorithm>

std::int32_t SweepFloorSteps(const TLabSweep& sweep) {
    const auto least = std::min_element(sweep.begin(), sweep.end());
    return static_cast<std::int32_t>(least - sweep.begin()) + 1;
}

bool SameSweep(const TLabSetup& a, const TLabSetup& b) {
    if (a.system != b.system || a.mode != b.mode || a.arithmetic != b.arithmetic) {
        return false;
    }
    if (a.arithmetic == TLabArithmetic::Fixed &&
        (a.wordBits != b.wordBits || a.fractionBits != b.fractionBits || a.rounding != b.rounding ||
         a.guardBits != b.guardBits)) {
        return false;
    }
    if (a.system != TLabSystem::Linear) {
        return true;
    }
    return a.x0 == b.x0 && (a.mode == TLabMode::Vectoring || a.y0 == b.y0);
}
