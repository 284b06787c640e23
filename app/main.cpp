#include "application.h"
#include "form1.h"
#include "platform_start.h"

#include <exception>
#include <optional>

// The program entry: creates the main window from its layout and runs the event loop until it
// is closed. A std::exception from any of the three steps is shown to the user. The program
// takes no arguments beyond the toolkit's own and exits with 0 -- or with 1 and one line on
// stderr when no display can be opened.
int main(int argc, char** argv) {
    std::optional<TPlatformStartGuard> startGuard(std::in_place);
    TApplication application(argc, argv);
    startGuard.reset();
    try {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const std::exception& exception) {
        Application->ShowException(exception);
    }
    return 0;
}
