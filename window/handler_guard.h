#pragma once

#include <exception>
#include <utility>

// Runs `handler`, an event handler of ours, as a boundary: a std::exception that leaves it is
// passed to `report` instead of unwinding further. The toolkit's widget libraries are built
// without exception tables, so an exception must never unwind through their frames; every
// handler the toolkit calls runs inside a guard. `report` must not throw.
template <class Handler, class Report> void GuardHandler(Handler&& handler, Report&& report) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& exception) {
        std::forward<Report>(report)(exception);
    }
}
