#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

GameOptions readCommandLine(int& argc, char* argv[]) {
    // A QCoreApplication of its own, gone before the graphical one is built: it needs no display,
    // and it gives the parser the program's name and Qt's usual --help, --version and error
    // messages. Qt's own graphical options (-platform, -style, ...) are refused here; their
    // environment variables (QT_QPA_PLATFORM, QT_STYLE_OVERRIDE, ...) still work.
    const QCoreApplication reader(argc, argv);

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
    parser.process(reader);

    GameOptions options;
    if (parser.isSet(seedOption)) {
        bool ok = false;
        options.seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok) {
            std::fputs("zarvo-cycles: --seed needs a whole number.\n", stderr);
            std::exit(1);
        }
    }
    options.tickLogPath = parser.value(tickLogOption);
    return options;
}
