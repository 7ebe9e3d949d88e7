#include "art_resources.h"
#include "ui/arena_view.h"
#include "ui/frmMain.h"
#include "ui/main_layout.h"
#include "ui/tick_log.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdint>
#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zarvo Cycles"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(ZARVO_VERSION_MAJOR).arg(ZARVO_VERSION_MINOR));
    QApplication::setWindowIcon(ArtResources::windowIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zarvo Cycles, an arcade race of cycles that leave solid trails."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption seedOption(QStringLiteral("seed"),
                                  QStringLiteral("Fixed random seed, for reproducible matches."),
                                  QStringLiteral("N"));
    seedOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(seedOption);
    QCommandLineOption tickLogOption(
        QStringLiteral("tick-log"),
        QStringLiteral("Writes when each tick ran to FILE, in steady-clock nanoseconds."),
        QStringLiteral("FILE"));
    tickLogOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(tickLogOption);
    parser.process(app);

    std::optional<std::uint64_t> seed;
    if (parser.isSet(seedOption)) {
        bool ok = false;
        seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok) {
            std::fputs("zarvo-cycles: --seed needs a whole number.\n", stderr);
            return 1;
        }
    }

    // Written when main returns, after the window has gone.
    std::optional<TickLog> tickLog;
    if (parser.isSet(tickLogOption)) {
        tickLog.emplace(parser.value(tickLogOption));
        if (!tickLog->isOpen()) {
            std::fprintf(stderr, "zarvo-cycles: cannot write the tick log: %s\n",
                         qPrintable(tickLog->errorString()));
            return 1;
        }
    }

    frmMain window(seed);
    if (tickLog) {
        window.setTickLog(&*tickLog);
    }
    window.show();
    // Without a window manager the window is never active until asked, and its shortcuts and
    // access keys would do nothing.
    window.activateWindow();
    window.controls().picField->setFocus();
    return QApplication::exec();
}
