#pragma once

#include <QObject>
#include <QString>

// The one channel on which the windows report a failure that the guard (guard.h) caught. The
// windows do not show failures themselves: whoever runs them connects Failed to the display it
// chooses, queued, so that the message is shown after the failing handler has returned.
class TFailureChannel : public QObject {
    Q_OBJECT

public:
    // The channel of the process.
    static TFailureChannel& Instance();

signals:
    void Failed(const QString& message);

private:
    TFailureChannel() = default;
};

// Reports a failure on the channel: `what` is the exception's message, nullptr for an exception
// that carries none. Never throws; when even the report fails, the console gets the message.
void ReportFailure(const char* what) noexcept;
