#include "step_csv.h"

#include "conversions.h"
#include "step_cells.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

} // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string StepTableCsv(const TStepRows& rows) {
    std::string csv =
        CsvField("\u03b8 (rad)") + "," + FloatToStr(rows.Theta()) + std::string(kLineEnd);
    for (int column = 0; column < kStepColumns; ++column) {
        csv += (column == 0 ? "" : ",") + CsvField(StepColumnHeader(column));
    }
    csv += kLineEnd;
    for (const TStepRow& row : rows.Rows()) {
        for (int column = 0; column < kStepColumns; ++column) {
            csv += (column == 0 ? "" : ",") + CsvField(StepCellText(row, column));
        }
        csv += kLineEnd;
    }
    return csv;
}
