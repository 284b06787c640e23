#include "platform_start.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The exit code of a start that failed for want of a display.
constexpr int kNoDisplayExitCode = 1;

struct THeldMessage {
    QtMsgType type;
    QByteArray file;
    QByteArray function;
    QByteArray category;
    int line;
    QString text;
};

std::vector<THeldMessage>& HeldMessages() {
    static std::vector<THeldMessage> messages;
    return messages;
}

QByteArray DisplayNamed() {
    if (qEnvironmentVariableIsSet("DISPLAY")) {
        return "DISPLAY=" + qgetenv("DISPLAY");
    }
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
        return "WAYLAND_DISPLAY=" + qgetenv("WAYLAND_DISPLAY");
    }
    return "neither DISPLAY nor WAYLAND_DISPLAY is set";
}

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "cordic-demo: no display could be opened (%s); start it in a desktop "
                     "session, or give it one, e.g. DISPLAY=:0 cordic-demo or xvfb-run "
                     "cordic-demo\n",
                     DisplayNamed().constData());
        std::fflush(stderr);
        std::_Exit(kNoDisplayExitCode);
    }
    HeldMessages().push_back({type, QByteArray(context.file), QByteArray(context.function),
                              QByteArray(context.category), context.line, text});
}

} // namespace

TPlatformStartGuard::TPlatformStartGuard() : previous_(qInstallMessageHandler(HoldOrFail)) {}

TPlatformStartGuard::~TPlatformStartGuard() {
    const QtMessageHandler ours = qInstallMessageHandler(previous_);
    Q_UNUSED(ours);
    std::vector<THeldMessage> held;
    held.swap(HeldMessages());
    for (const THeldMessage& message : held) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}
