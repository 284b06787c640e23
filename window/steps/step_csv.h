#pragma once

#include "step_rows.h"

#include <string>
#include <string_view>

// The step table as CSV for a spreadsheet, free of the toolkit: UTF-8 without a byte order mark,
// fields separated by commas, numbers with a decimal point, every row ended by CR LF (RFC 4180).
// A first row names the run's angle, "θ (rad)" and θ as the step table writes z ("θ (rad),
// 0.52359877559829885263" for 30 degrees), so that a saved table says which angle it is for;
// the header row follows, then the steps and the result. The fields are the table's own texts
// (step_cells.h), the same the tab-separated copy holds: the direction's minus stays U+2212, the
// result row reads "výsledok".

// One field: as it is, unless it holds a comma, a double quote, a CR or an LF; then in double
// quotes with each double quote doubled ("a,b" -> "\"a,b\"", "5\"" -> "\"5\"\"\"").
std::string CsvField(std::string_view text);

// The angle's row, the header row and every row of `rows`.
std::string StepTableCsv(const TStepRows& rows);
