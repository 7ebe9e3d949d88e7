#include "ui/graphical_session.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

// Qt finds out that there is no display only inside the QApplication constructor, where the
// platform plugin fails to connect and Qt ends the program with qFatal, that is with abort() and a
// core dump, after a few lines of plugin diagnostics. Guessing beforehand (is DISPLAY set? can
// an X connection be made?) would repeat Qt's own choice of platform plugin and still miss the
// cases it does not foresee. So while the application is being built, a message handler holds
// back every message; Qt's fatal one becomes our single line and exit status 1, and on success
// the held messages go on to the usual handler as if nothing had happened.

namespace {

struct HeldMessage {
    QtMsgType type;
    // The context's strings are literals inside Qt, alive for the whole program.
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

std::mutex heldMutex;
std::vector<HeldMessage> held;

QString missingSessionLine() {
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty() && waylandDisplay.isEmpty()) {
        return QStringLiteral("zarvo-cycles needs a graphical session, and there is none here "
                              "(DISPLAY and WAYLAND_DISPLAY are not set).");
    }
    const QString where = display.isEmpty() ? QStringLiteral("WAYLAND_DISPLAY=") + waylandDisplay
                                            : QStringLiteral("DISPLAY=") + display;
    return QStringLiteral("zarvo-cycles needs a graphical session, and cannot open a window on %1.")
        .arg(where);
}

void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(missingSessionLine()));
        std::fflush(stderr);
        // _Exit, not exit: the application is half built, and its static destructors must not
        // run against it.
        std::_Exit(1);
    }
    const std::lock_guard lock(heldMutex);
    held.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

std::unique_ptr<QApplication> openGraphicalSession(int& argc, char* argv[]) {
    const QtMessageHandler usual = qInstallMessageHandler(holdWhileStarting);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(usual);

    const std::lock_guard lock(heldMutex);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        usual(message.type, context, message.text);
    }
    held.clear();
    return application;
}
