#include "constants.h"

#include "cordic.h"

#include <cmath>

namespace {

TLabTables MakeTables() {
    TLabTables tables{};
    for (std::int32_t i = 0; i < kLabMaxSteps; ++i) {
        tables.gain[i] = CordicGain(i);
        tables.scale[i] = ldexpl(1.0L, -i);
        tables.angle[i] = atanl(tables.scale[i]);
    }
    return tables;
}

} // namespace

const TLabTables& LabTables() {
    static const TLabTables tables = MakeTables();
    return tables;
}
