#include "lab_output.h"

#include "conversions.h"
#include "lab_cells.h"
#include "lab_json.h"
#include "lab_results.h"
#include "lab_texts.h"
#include "step_csv.h"

TLabPrinter::TLabPrinter(const TLabCommand& command)
    : format_(command.format), results_(command.results), hex_(command.hex),
      perInput_(command.inputs.has_value()) {}

std::string TLabPrinter::Fields(const std::vector<std::string>& cells) const {
    const bool csv = format_ == TLabFormat::Csv;
    std::string fields;
    for (const std::string& cell : cells) {
        if (&cell != &cells.front()) {
            fields += csv ? ',' : '\t';
        }
        fields += csv ? CsvField(cell) : cell;
    }
    return fields;
}

std::string TLabPrinter::Line(const std::string& fields) const {
    return fields + (format_ == TLabFormat::Csv ? "\r\n" : "\n");
}

std::string TLabPrinter::Header(const TLabSetup& setup) const {
    if (format_ == TLabFormat::Json || results_) {
        return {};
    }
    std::vector<std::string> headers;
    for (int column = 0; column < LabColumnCount(setup.arithmetic); ++column) {
        headers.emplace_back(LabColumnHeader(column));
    }
    return Line(Fields(headers));
}

std::string TLabPrinter::States(const TLabRun& run, const TLabSetup& setup) const {
    const int columns = LabColumnCount(setup.arithmetic);
    const std::int32_t bits = setup.wordBits + setup.guardBits;
    std::string text;
    std::vector<std::string> cells(static_cast<std::size_t>(columns));
    for (const TLabState& state : run.states) {
        for (int column = 0; column < columns; ++column) {
            cells[static_cast<std::size_t>(column)] = LabCellText(state, column, setup);
        }
        if (hex_) {
            cells[kLabColumnX] = LabHexText(state.rawX, bits);
            cells[kLabColumnY] = LabHexText(state.rawY, bits);
            cells[kLabColumnZ] = LabHexText(state.rawZ, bits);
        }
        text += Line(Fields(cells));
    }
    return text;
}

std::string TLabPrinter::Results(const TLabRun& run, const TLabSetup& setup) const {
    std::string text;
    std::vector<std::string> inputRow; // with --inputs: every result's fields on one row
    for (const TLabResult& result : LabResults(run, setup)) {
        const std::vector<std::string> fields = {
            result.name,
            hex_ ? LabResultHex(result.value, setup) : LabResultText(result.value, setup),
            FloatToStr(result.exact),
            SignificantText(LabErrorUnits(result, run.unit), kLabErrorDigits),
        };
        if (perInput_) {
            inputRow.insert(inputRow.end(), fields.begin(), fields.end());
        } else {
            text += Line(Fields(fields));
        }
    }
    return perInput_ ? Line(Fields(inputRow)) : text;
}

std::string TLabPrinter::Run(const TLabRun& run, const TLabSetup& setup) const {
    if (format_ == TLabFormat::Json) {
        return LabJsonRun(run, setup, !results_, hex_) + "\n";
    }
    return results_ ? Results(run, setup) : States(run, setup);
}

std::string TLabPrinter::Refused(std::int64_t line, const std::string& why, const TLabRun* run,
                                 const TLabSetup& setup) const {
    std::string text = Line("# riadok " + IntToStr(line) + ": " + why);
    if (format_ == TLabFormat::Json && run != nullptr) {
        text += LabJsonRun(*run, setup, !results_, hex_) + "\n";
    }
    return text;
}

std::string TLabPrinter::Sweep(const TLabSweep& sweep, const TLabSetup& setup) const {
    if (format_ == TLabFormat::Json) {
        return LabJsonSweep(sweep, setup) + "\n";
    }
    std::string text;
    for (std::size_t n = 1; n <= sweep.size(); ++n) {
        text += Line(Fields({IntToStr(static_cast<std::int64_t>(n)),
                             SignificantText(sweep[n - 1], kLabErrorDigits)}));
    }
    return text;
}
