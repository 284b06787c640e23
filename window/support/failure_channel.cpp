#include "failure_channel.h"

#include <exception>

namespace {

// The text for a failure whose exception carries no message.
constexpr auto kUnknownFailure = "Neznáma chyba";

} // namespace

TFailureChannel& TFailureChannel::Instance() {
    static TFailureChannel channel;
    return channel;
}

void ReportFailure(const char* what) noexcept {
    const char* message = what != nullptr ? what : kUnknownFailure;
    try {
        emit TFailureChannel::Instance().Failed(QString::fromUtf8(message));
    } catch (...) {
        qCritical("%s", message);
    }
}
