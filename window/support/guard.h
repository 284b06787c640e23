#pragma once

#include "failure_channel.h"

#include <exception>
#include <utility>

// Guarded(body, fallback): the one boundary between our code and the toolkit's frames.
//
// The toolkit's widget libraries are built without exception tables, so an exception must never
// unwind through their frames. Everything of ours that the toolkit calls -- a window's event
// handlers and slots, a model's data(), a delegate's and a widget's paint, the application's
// event delivery -- runs its body inside Guarded. Whatever the body throws is reported on the
// failure channel and the fallback's value is returned instead: the work is left undone and the
// event loop goes on.
template <class Body, class Fallback>
auto Guarded(Body&& body, Fallback&& fallback) noexcept -> decltype(body()) {
    try {
        return std::forward<Body>(body)();
    } catch (const std::exception& exception) {
        ReportFailure(exception.what());
    } catch (...) {
        ReportFailure(nullptr);
    }
    return std::forward<Fallback>(fallback)();
}

// A guarded handler that returns nothing.
template <class Body> void Guarded(Body&& body) noexcept {
    Guarded(std::forward<Body>(body), [] {});
}
