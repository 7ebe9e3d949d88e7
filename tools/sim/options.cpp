#include "options.h"

#include "arena/levels.h"
#include "session/settings_choices.h"

#include <QCommandLineParser>
#include <limits>

namespace {

constexpr int Unlimited = std::numeric_limits<int>::max();

const QCommandLineOption SeedOption("seed", "", "N");
const QCommandLineOption HumansOption("humans", "", "N");
const QCommandLineOption ComputersOption("computers", "", "N");
const QCommandLineOption RuleOption("rule", "", "RULE");
const QCommandLineOption LevelOption("level", "", "LEVEL");
const QCommandLineOption WrapOption("wrap");
const QCommandLineOption MatchesOption("matches", "", "N");
const QCommandLineOption KeysOption("keys", "", "FILE");
const QCommandLineOption ReplayOption("replay", "", "FILE");
const QCommandLineOption MaxTicksOption("max-ticks", "", "N");
const QCommandLineOption TraceOption("trace");
const QCommandLineOption CheckOption("check");
const QCommandLineOption HelpOption(QStringList{"h", "help"});

[[noreturn]] void reject(const QString& option, const QString& value, const char* expected) {
    throw UsageError("--" + option.toStdString() + " " + value.toStdString() + ": expected " +
                     expected);
}

int intValue(const QCommandLineParser& parser, const QCommandLineOption& option, int lowest,
             int highest, const char* expected) {
    const QString text = parser.value(option);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        reject(option.names().constFirst(), text, expected);
    }
    return value;
}

std::uint64_t seedValue(const QCommandLineParser& parser) {
    const QString text = parser.value(SeedOption);
    bool ok = false;
    const std::uint64_t value = text.toULongLong(&ok);
    if (!ok || text.startsWith('+')) {
        reject("seed", text, "a whole number from 0 to 18446744073709551615");
    }
    return value;
}

int ruleValue(const QCommandLineParser& parser) {
    const QString text = parser.value(RuleOption);
    if (text == "free") {
        return Settings::FreeForAll;
    }
    if (text == "deathmatch") {
        return Settings::Deathmatch;
    }
    reject("rule", text, "free or deathmatch");
}

std::string levelValue(const QCommandLineParser& parser) {
    const QString text = parser.value(LevelOption);
    if (text == "empty") {
        return "";
    }
    if (text == "random") {
        return std::string(RandomLevel);
    }
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 1 || number > LastLevelId - FirstLevelId + 1) {
        reject("level", text, "empty, random or a level number from 1 to 6");
    }
    return levelChoiceForNumber(number);
}

} // namespace

RunOptions parseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({SeedOption, HumansOption, ComputersOption, RuleOption, LevelOption,
                       WrapOption, MatchesOption, KeysOption, ReplayOption, MaxTicksOption,
                       TraceOption, CheckOption, HelpOption});
    if (!parser.parse(arguments)) {
        throw UsageError(parser.errorText().toStdString());
    }
    if (!parser.positionalArguments().isEmpty()) {
        throw UsageError("unexpected argument '" +
                         parser.positionalArguments().constFirst().toStdString() + "'");
    }

    RunOptions options;
    options.help = parser.isSet(HelpOption);
    if (parser.isSet(SeedOption)) {
        options.seed = seedValue(parser);
    }
    Settings& settings = options.settings;
    if (parser.isSet(HumansOption)) {
        settings.HumanCount = intValue(parser, HumansOption, 1, 2, "1 or 2");
    }
    if (parser.isSet(ComputersOption)) {
        settings.ComputerCount = intValue(parser, ComputersOption, 0, 6, "a number from 0 to 6");
    }
    if (parser.isSet(RuleOption)) {
        chooseRule(settings, ruleValue(parser));
    }
    if (parser.isSet(LevelOption)) {
        settings.LevelChoice = levelValue(parser);
    }
    options.boundaries = !parser.isSet(WrapOption);
    if (parser.isSet(MatchesOption)) {
        options.matches =
            intValue(parser, MatchesOption, 1, Unlimited, "a whole number of at least 1");
    }
    if (parser.isSet(KeysOption)) {
        options.keysFile = parser.value(KeysOption).toStdString();
        if (options.keysFile.empty()) {
            throw UsageError("--keys needs a file name");
        }
    }
    if (parser.isSet(ReplayOption)) {
        // A recording holds its own seed and settings, and ends where the session ended.
        for (const QCommandLineOption& option :
             {SeedOption, HumansOption, ComputersOption, RuleOption, LevelOption, WrapOption,
              MatchesOption, KeysOption, MaxTicksOption}) {
            if (parser.isSet(option)) {
                throw UsageError("--replay plays a session as it was recorded; it takes no --" +
                                 option.names().constFirst().toStdString());
            }
        }
        options.replayFile = parser.value(ReplayOption).toStdString();
        if (options.replayFile.empty()) {
            throw UsageError("--replay needs a file name");
        }
    }
    if (parser.isSet(MaxTicksOption)) {
        options.maxTicks =
            intValue(parser, MaxTicksOption, 1, Unlimited, "a whole number of at least 1");
    }
    options.trace = parser.isSet(TraceOption);
    options.check = parser.isSet(CheckOption);
    return options;
}
