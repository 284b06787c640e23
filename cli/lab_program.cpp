#include "lab_program.h"

#include "lab_command.h"
#include "lab_help.h"
#include "lab_inputs.h"
#include "lab_output.h"
#include "lab_texts.h"

#include <fstream>
#include <istream>
#include <ostream>

namespace {

constexpr int kDone = 0;
constexpr int kInputsRefused = 1;
constexpr int kFailed = 2;

int Fail(std::ostream& err, const std::string& line) {
    err << line << '\n';
    return kFailed;
}

// The status once the output is out: a failure where it could not be written (a full disk, a
// closed pipe), so that a script never takes a cut output for a whole one.
int Finish(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    return out ? status : Fail(err, "Výstup sa nedá zapísať");
}

int RunInputs(const TLabCommand& command, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::string& path = *command.inputs;
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        // A first look, before any output, finds a folder or an unreadable file.
        if (!file.is_open() || (file.peek(), file.bad())) {
            return Fail(err, "Súbor vstupov sa nedá otvoriť: " + path);
        }
    }
    const TLabInputsOutcome outcome =
        RunLabInputs(path == "-" ? in : file, command, TLabPrinter(command), out);
    if (outcome.readFailed) {
        out.flush();
        return Fail(err, "Súbor vstupov sa nedá prečítať: " + path);
    }
    return Finish(out, err, outcome.allAccepted ? kDone : kInputsRefused);
}

} // namespace

int RunLabProgram(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    const TLabCommandReading reading = ReadLabCommand(arguments);
    if (!reading.command) {
        return Fail(err, reading.refusal);
    }
    const TLabCommand& command = *reading.command;
    if (command.help || command.version) {
        out << (command.help ? LabHelpText() : LabVersionText());
        return Finish(out, err, kDone);
    }
    const TLabPrinter printer(command);
    if (command.sweep) {
        out << printer.Sweep(LabSweep(command.setup), command.setup);
        return Finish(out, err, kDone);
    }
    if (command.inputs) {
        return RunInputs(command, in, out, err);
    }
    const TLabRun run = LabRun(command.setup);
    if (run.refusal != TLabRefusal::None) {
        return Fail(err, LabRefusalText(run.refusal, command.setup, command.degrees));
    }
    out << printer.Header(command.setup) << printer.Run(run, command.setup);
    return Finish(out, err, kDone);
}
