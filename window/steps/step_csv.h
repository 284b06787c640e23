#pragma once

#include "step_rows.h"

#include <string>
#include <string_view>

// The step table as CSV for a spreadsheet, free of the toolkit: UTF-8 without a byte order mark,
// fields separated by commas, numbers with a decimal point, the header row first and every row
// ended by CR LF (RFC 4180). The fields are the table's own texts (step_cells.h), the same the
// tab-separated copy holds: the direction's minus stays U+2212, the result row reads "výsledok".

// One field: as it is, unless it holds a comma, a double quote, a CR or an LF; then in double
// quotes with each double quote doubled ("a,b" -> "\"a,b\"", "5\"" -> "\"5\"\"\"").
std::string CsvField(std::string_view text);

// The header row and every row of `rows`.
std::string StepTableCsv(const TStepRows& rows);
