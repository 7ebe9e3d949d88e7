#include "ui/graphical_session.h"

#include "ui/device_scale.h"
#include "ui/etched_surface.h"

#include <QMenuBar>
#include <QScreen>
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

// Qt's wayland plugin cannot place a window: the Scoreboard would go wherever the compositor
// puts it, and take the keyboard from the arena. Where the Wayland session also offers XWayland
// the game goes through it, unless the user chose a platform.
void preferXWayland(const QStringList& arguments) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
        arguments.contains(QStringLiteral("-platform")) ||
        arguments.contains(QStringLiteral("--platform"))) {
        return;
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

// QApplication takes the options meant for Qt out of argv; a second application must see them
// too, so each one gets its own copy of the original command line, alive as long as it is.
struct CommandLine {
    explicit CommandLine(int argc, char* argv[]) {
        for (int i = 0; i < argc; ++i) {
            words.emplace_back(argv[i]);
        }
    }
    std::unique_ptr<QApplication> application() {
        pointers.clear();
        for (QByteArray& word : words) {
            pointers.push_back(word.data());
        }
        pointers.push_back(nullptr);
        count = static_cast<int>(words.size());
        return std::make_unique<QApplication>(count, pointers.data());
    }
    std::vector<QByteArray> words;
    std::vector<char*> pointers;
    int count = 0;
};

// Menu bar, title bar and frame around the game window, in device pixels: the menu bar as the
// desktop's font makes it, and room for a title bar of 40 pixels and a frame of 4 on each side,
// at the desktop's factor.
QSize decorations(double factor) {
    QMenuBar bar;
    bar.addMenu(QStringLiteral("&Game"));
    const int height = bar.sizeHint().height() + 40;
    return {qRound(8 * factor), qRound(height * factor)};
}

// QT_SCALE_FACTOR as the user set it; 1 where it is not set or not a positive number.
double userScaleFactor() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

} // namespace

std::unique_ptr<QApplication> openGraphicalSession(int& argc, char* argv[]) {
    static CommandLine commandLine(argc, argv);
    QStringList arguments;
    for (const QByteArray& word : commandLine.words) {
        arguments << QString::fromLocal8Bit(word);
    }
    preferXWayland(arguments);

    // The first application reads the screen at the desktop's own factor; where that is not
    // the whole number the game is drawn at, a second one is built with Qt's factors set so.
    const double userFactor = userScaleFactor();
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "PassThrough");
    const QtMessageHandler usual = qInstallMessageHandler(holdWhileStarting);
    auto application = commandLine.application();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const double screenFactor = screen->devicePixelRatio();
        const QSizeF available = QSizeF(screen->availableGeometry().size()) * screenFactor;
        const int scale = wholeDeviceScale(
            {userFactor * screenFactor, available.toSize(), decorations(userFactor * screenFactor)},
            {EtchedSurface::Width, EtchedSurface::Height});
        if (!qFuzzyCompare(screenFactor, double(scale))) {
            application.reset();
            // Qt rounds the screen's factor, keeping the fonts' size on the screen; the global
            // factor makes up the rest, so that their product is `scale`.
            qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "Round");
            const int rounded = std::max(1, qRound(screenFactor));
            qputenv("QT_SCALE_FACTOR", QByteArray::number(double(scale) / rounded, 'g', 17));
            application = commandLine.application();
        }
    }
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
