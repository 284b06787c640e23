#include "application.h"
#include "form1.h"

#include <exception>

// The program entry: creates the main window from its layout and runs the event loop until it
// is closed. A std::exception from any of the three steps is shown to the user. The program
// takes no arguments beyond the toolkit's own and always exits with 0.
int main(int argc, char** argv) {
    TApplication application(argc, argv);
    try {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const std::exception& exception) {
        Application->ShowException(exception);
    }
    return 0;
}
