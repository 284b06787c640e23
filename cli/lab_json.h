#pragma once

#include "lab.h"

#include <string>

// cordic-lab's json: one object on one line (JSON Lines: with --inputs an object per input).
//
//   {"setup": {"system", "mode", "arithmetic", "steps", and for fixed point "word", "fraction",
//              "rounding", "guard"; "theta", "x", "y"},
//    "refusal": null or "BadSetup", "OutOfDomain", "DoesNotFit", "Origin",
//    "folded": bool, "converges": bool, "unit": "…",
//    "states": [{"i", "sigma", "shift", "x", "y", "z", "raw_x", "raw_y", "raw_z", "overflow"}],
//    "results": [{"name", "value", "exact", "error_u"}]}
//
// Every number of the format is a string that reads back to the same value exactly: for the
// floating formats the shortest text in the format (lab_cells.h), for fixed point the
// register's exact decimal value, never an approximation. "exact", "unit" and the setup's
// numbers are extended values in their shortest text. The raw registers are integers (null
// for the floating formats), with `hex` strings of hexadecimal digits as are fixed-point
// results' values. "error_u" is a number with six significant digits (null where the error
// is not finite). "states" is left out with `withStates` false (--results); a refused run has
// no states and no results.

std::string LabJsonRun(const TLabRun& run, const TLabSetup& setup, bool withStates, bool hex);

// {"setup": {…}, "sweep": [{"n": 1, "error_u": …}, … n = 64]}
std::string LabJsonSweep(const TLabSweep& sweep, const TLabSetup& setup);
