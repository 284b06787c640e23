#pragma once

#include <QtGlobal>

// Guards the start of the toolkit's platform, the connection to the display, while it exists.
//
// When no display can be opened, Qt reports a fatal message from inside the application object's
// constructor and aborts: exit code 134 and a core file, after a few lines about plugins. While a
// guard exists, a fatal message instead prints one line saying that no display could be opened
// and how to give one, and ends the process with exit code 1. Other messages are held back and
// passed on, in order, when the guard is destroyed, so that a failed start prints that one line
// only. One guard at a time.
class TPlatformStartGuard {
public:
    TPlatformStartGuard();
    ~TPlatformStartGuard();
    TPlatformStartGuard(const TPlatformStartGuard&) = delete;
    TPlatformStartGuard& operator=(const TPlatformStartGuard&) = delete;

private:
    QtMessageHandler previous_;
};
