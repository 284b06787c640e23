#pragma once

#include "step_rows.h"

// The step table's rows of a whole run to theta: every step and the result, as the step view
// holds them after the run.
TStepRows WholeRunRows(long double theta);
