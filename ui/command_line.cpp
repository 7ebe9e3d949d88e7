#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {

// The options the graphical application reads itself (-platform offscreen, -style fusion, the
// -session a desktop's session manager restarts programs with, ...), with whether each takes a
// value. They are left for it, not refused as unknown.
const QHash<QString, bool> QtOwnOptions{
    {QStringLiteral("platform"), true},        {QStringLiteral("platformpluginpath"), true},
    {QStringLiteral("platformtheme"), true},   {QStringLiteral("plugin"), true},
    {QStringLiteral("qwindowgeometry"), true}, {QStringLiteral("qwindowicon"), true},
    {QStringLiteral("qwindowtitle"), true},    {QStringLiteral("session"), true},
    {QStringLiteral("display"), true},         {QStringLiteral("geometry"), true},
    {QStringLiteral("style"), true},           {QStringLiteral("stylesheet"), true},
    {QStringLiteral("reverse"), false},        {QStringLiteral("widgetcount"), false},
    {QStringLiteral("nograb"), false},         {QStringLiteral("dograb"), false},
};

QStringList withoutQtOwnOptions(const QStringList& arguments) {
    QStringList kept{arguments.value(0)};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QStringLiteral("--")) {
            kept += arguments.mid(i);
            break;
        }
        const QString name = argument.section(u'=', 0, 0).remove(QRegularExpression("^--?"));
        if (!argument.startsWith(u'-') || !QtOwnOptions.contains(name)) {
            kept += argument;
        } else if (QtOwnOptions.value(name) && !argument.contains(u'=')) {
            ++i; // its value
        }
    }
    return kept;
}

} // namespace

GameOptions readCommandLine(int& argc, char* argv[]) {
    // A QCoreApplication of its own, gone before the graphical one is built: it needs no display,
    // and it gives the parser the program's name and Qt's usual --help, --version and error
    // messages.
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
    const QCommandLineOption recordOption(
        QStringLiteral("record"),
        QStringLiteral("Writes the session to FILE as it is played, to replay or share it."),
        QStringLiteral("FILE"));
    parser.addOption(recordOption);
    const QCommandLineOption replayOption(
        QStringLiteral("replay"),
        QStringLiteral("Plays back the session recorded in FILE; then the game is yours."),
        QStringLiteral("FILE"));
    parser.addOption(replayOption);
    parser.process(withoutQtOwnOptions(QCoreApplication::arguments()));

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
    options.recordPath = parser.value(recordOption);
    options.replayPath = parser.value(replayOption);
    if (parser.isSet(recordOption) && parser.isSet(replayOption)) {
        std::fputs("zarvo-cycles: --record and --replay cannot be used together.\n", stderr);
        std::exit(1);
    }
    return options;
}
