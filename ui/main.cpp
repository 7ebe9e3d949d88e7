#include "art_resources.h"
#include "ui/arena_view.h"
#include "ui/command_line.h"
#include "ui/frmMain.h"
#include "ui/graphical_session.h"
#include "ui/main_layout.h"
#include "ui/session_setup.h"
#include "ui/tick_log.h"

#include <QApplication>
#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Zarvo Cycles"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(ZARVO_VERSION_MAJOR).arg(ZARVO_VERSION_MINOR));
    const GameOptions options = readCommandLine(argc, argv);

    const auto application = openGraphicalSession(argc, argv);
    QApplication::setWindowIcon(ArtResources::windowIcon());

    // Written when main returns, after the window has gone.
    std::optional<TickLog> tickLog;
    if (!options.tickLogPath.isEmpty()) {
        tickLog.emplace(options.tickLogPath);
        if (!tickLog->isOpen()) {
            std::fprintf(stderr, "zarvo-cycles: cannot write the tick log: %s\n",
                         qPrintable(tickLog->errorString()));
            return 1;
        }
    }

    // Outlives the window, which it records or replays.
    SessionSetup session(options);
    if (const QString problem = session.recordingProblem(); !problem.isEmpty()) {
        std::fprintf(stderr, "zarvo-cycles: cannot write the recording: %s\n", qPrintable(problem));
        return 1;
    }

    frmMain window(session.seed());
    if (tickLog) {
        window.setTickLog(&*tickLog);
    }
    window.show();
    // Without a window manager the window is never active until asked, and its shortcuts and
    // access keys would do nothing.
    window.activateWindow();
    window.controls().picField->setFocus();
    session.join(window);
    return QApplication::exec();
}
