#include "options.h"
#include "runner.h"
#include "session/key_script.h"
#include "trace.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <gmock/gmock.h>
#include <sstream>

namespace {

RunOptions parse(const QString& commandLine) {
    return parseOptions(("zarvo-sim " + commandLine).split(' ', Qt::SkipEmptyParts));
}

// Each kind of line: its keys in alphabetical order, each followed by the type of its value (#
// number, $ text, ? true or false, [ list, ~ null), and how it shows in the story of a run, with
// %key standing for the key's value (for a list, its first: player 1's). A crash and an end
// without a winner carry keys of their own.
const QMap<QString, std::pair<QString, QString>> Kinds = {
    {"match",
     {"boundaries? computers# cycleCount# humans# level$ match# rule$ seed$ type$",
      "#%match %humans+%computers %rule [%level] wall %boundaries"}},
    {"field", {"rows[ type$", ""}},
    {"start", {"color# dir# human? slot# type$ x# y#", ""}},
    {"key", {"key$ tick# type$", "%key@%tick"}},
    {"move", {"dir# result$ slot# tick# type$ x# y#", ""}},
    {"move crash", {"cell# dir# result$ slot# text$ tick# type$ x# y#", "%slot crashed at %x,%y"}},
    {"end", {"text$ tick# type$ winner#", "won by %winner@%tick"}},
    {"end open", {"reason$ text$ tick# type$ winner~", "%reason@%tick"}},
    {"scores", {"deaths[ kills[ noScoresVisible? points[ type$", "points %points"}},
};

// A run's trace, how many lines of each kind it held and its story.
using Played = std::tuple<std::string, QMap<QString, int>, QStringList>;

// Plays a run and reads its trace back line by line, checking each line's keys, that the moves
// of one step come in ascending slot order, and that each start cell shows its slot on the
// field. The story ends with the number of moves.
Played play(const QString& commandLine, const std::string& keys = "") {
    std::istringstream keyFile(keys);
    std::ostringstream out;
    JsonTrace report(out);
    Runner(parse(commandLine + " --trace"), KeyScript::parse(keyFile, "keys"), report).run();
    Played run{out.str(), {}, {}};
    auto& [trace, kinds, told] = run;
    std::istringstream lines(trace);
    QJsonArray field;
    std::pair<int, int> lastMove;
    for (std::string text; std::getline(lines, text);) {
        const QJsonObject line = QJsonDocument::fromJson(text.c_str()).object();
        const QString kind = line["type"].toString() + (line["result"] == "crash" ? " crash" : "") +
                             (line["winner"].isNull() ? " open" : "");
        ++kinds[kind];
        auto [shape, story] = Kinds.value(kind, {"?", ""});
        QStringList keysAndTypes;
        for (auto value = line.begin(); value != line.end(); ++value) {
            keysAndTypes << value.key() + "~?#$[{"[value->type() & 7];
            const QJsonValue shown = value->isArray() ? value->toArray().first() : *value;
            story.replace('%' + value.key(), shown.toVariant().toString());
        }
        EXPECT_EQ(keysAndTypes.join(' '), shape) << text;
        told << story;
        field = kind == "field" ? line["rows"].toArray() : field;
        if (kind == "start") {
            const QString cell = field[line["y"].toInt()].toString().mid(line["x"].toInt(), 1);
            EXPECT_EQ(cell.toStdString(), std::to_string(line["slot"].toInt())) << text;
        }
        const std::pair move(line["tick"].toInt(), line["slot"].toInt());
        EXPECT_TRUE(line["type"] != "move" || move > lastMove)
            << "slot order within a step: " << text;
        lastMove = move;
    }
    told.removeAll("");
    told << QString::number(kinds["move"] + kinds["move crash"]) + " moves";
    return run;
}

} // namespace

TEST(RunnerTrace, TellsTheSameStoryForTheSameSeedAsTheOptionsAndKeysAskFor) {
    const char* const runs[][3] = {
        {"--seed 3 --matches 2 --level random",
         "# note\n\n 1 3 newgame # note\n2 4 up\n2 4 Stop\n2 5 Up",
         "#1 1+1 free [random] wall true NewGame@3 replaced@3 "
         "#2 1+1 free [random] wall true Up@4 Stop@4 stopped@4 points 0 10 moves"},
        {"--seed 1 --humans 2 --computers 0", "1 3 Pause\n1 6 Pause\n",
         "#1 2+0 free [] wall true Pause@3 Pause@6 1 crashed at 60,33 2 crashed at 60,25 "
         "no cycle moved@64 points 0 120 moves"},
        {"--seed 1 --rule deathmatch --humans 1 --computers 5 --wrap --max-ticks 30", "",
         "#1 2+0 deathmatch [] wall false max ticks@30 points 0 60 moves"},
        {"--seed 3 --computers 0 --matches 2 --level 3", "",
         "#1 1+0 free [103] wall true won by 1@1 #2 1+0 free [103] wall true won by 1@1 "
         "points 100 2 moves"},
        // A recording: its own seed, nothing before NewGame, no step lost to a pause, a match
        // kept open after it ended, the edge chosen between matches, Quit the end.
        {"",
         "zarvo-cycles recording 1\nseed 1\n0 1 TwoHumans\n0 1 NoComputer\n0 1 NewGame\n"
         "1 3 Pause\n1 3 Pause\n1 70 Stop\n1 70 BoundariesOff\n1 70 NewGame\n2 9 Quit",
         "TwoHumans@1 NoComputer@1 NewGame@1 #1 2+0 free [] wall true Pause@3 Pause@3 "
         "1 crashed at 60,33 2 crashed at 60,25 no cycle moved@61 Stop@70 BoundariesOff@70 "
         "NewGame@70 #2 2+0 free [] wall false Quit@9 session ended@9 points 0 136 moves"},
    };
    QMap<QString, int> seen;
    for (const auto& [commandLine, keys, expected] : runs) {
        const auto [trace, kinds, story] = play(commandLine, keys);
        EXPECT_EQ(story.join(' ').toStdString(), expected);
        EXPECT_EQ(trace, std::get<0>(play(commandLine, keys))) << "the same seed, the same trace";
        seen.insert(kinds);
    }
    EXPECT_EQ(seen.keys(), Kinds.keys()) << "every kind of line shows up";
    EXPECT_NE(std::get<0>(play("--seed 1")), std::get<0>(play("--seed 2")));
}

TEST(RunnerOptions, ReachTheRunOrRejectABadCommandLineOrKeyFile) {
    const RunOptions run = parse("--keys k --check --trace");
    EXPECT_EQ(std::tuple(run.keysFile, run.check, run.trace), std::tuple("k", true, true));
    for (const char* bad : {"--humans 0",
                            "--humans 3",
                            "--computers 7",
                            "--computers -1",
                            "--rule teams",
                            "--level 0",
                            "--level 7",
                            "--level 1.5",
                            "--seed -1",
                            "--seed x",
                            "--matches 0",
                            "--max-ticks 0",
                            "--seed",
                            "--wrap=yes",
                            "--speed 2",
                            "stray",
                            "--keys=",
                            "--seed 18446744073709551616",
                            "--replay r --seed 1",
                            "--replay r --keys k",
                            "--replay="}) {
        EXPECT_THROW(parse(bad), UsageError) << bad;
    }
    for (const std::string bad :
         {"1 2 Jump", "0 1 Up", "1 0 Up", "1 +2 Up", "1 2", "1 2 Up Down", "1 99999999999 Up"}) {
        std::istringstream in("1 1 Up # the third line is bad\n\n" + bad);
        EXPECT_THAT([&] { KeyScript::parse(in, "keys.txt"); },
                    testing::ThrowsMessage<KeyScriptError>(testing::StartsWith("keys.txt:3: ")))
            << bad;
    }
}

TEST(Recordings, AnotherFormatOrADamagedLineIsRefusedByItsLine) {
    const std::string start = "zarvo-cycles recording 1\nseed 7\n";
    const std::pair<std::string, std::string> refused[] = {
        {"zarvo-cycles recording 0", "1: a recording in format 0, made by an older version of "
                                     "the game; this one replays format 1 only"},
        {"zarvo-cycles recording 1\n\n0 1 Up",
         R"(3: expected "seed N" after the format line, found "0 1 Up")"},
        {"zarvo-cycles recording 1\nseed -7",
         "2: seed \"-7\" is not a whole number from 0 to 18446744073709551615"},
        {"zarvo-cycles recording 1\n# cut short",
         "3: the recording ends before its \"seed N\" line"},
        {start + "1 1 Up", "3: expected match 0, found 1 (each NewGame begins the next match)"},
        {start + "0 1 NewGame\n0 2 Up",
         "4: expected match 1, found 0 (each NewGame begins the next match)"},
        {start + "0 1 NewGame\n1 5 Up\n1 4 Up", "5: step 4 comes after step 5"},
        {start + "0 1 Quit\n0 1 Up", "4: nothing can follow Quit, the end of the session"},
    };
    for (const auto& [text, message] : refused) {
        std::istringstream in(text);
        EXPECT_THAT([&] { KeyScript::parse(in, "r"); },
                    testing::ThrowsMessage<KeyScriptError>(testing::Eq("r:" + message)))
            << text;
    }
}
