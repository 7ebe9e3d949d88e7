#include "key_script.h"
#include "options.h"
#include "runner.h"
#include "trace.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string traceOf(QStringList arguments, const std::string& keys = "") {
    arguments.prepend("zarvo-sim");
    arguments << "--trace";
    std::istringstream keyFile(keys);
    const KeyScript script = KeyScript::parse(keyFile, "keys");
    std::ostringstream out;
    JsonTrace trace(out);
    Runner(parseOptions(arguments), script, trace).run();
    return out.str();
}

// Every line of the trace as a JSON object; a line that is no JSON object fails the test.
std::vector<QJsonObject> eventsOf(const std::string& trace) {
    std::vector<QJsonObject> events;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        QJsonParseError error;
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
        EXPECT_TRUE(document.isObject()) << line;
        events.push_back(document.object());
    }
    return events;
}

std::vector<QJsonObject> runEvents(const QStringList& arguments, const std::string& keys = "") {
    return eventsOf(traceOf(arguments, keys));
}

std::vector<QJsonObject> ofType(const std::vector<QJsonObject>& events, const QString& type) {
    std::vector<QJsonObject> found;
    for (const QJsonObject& event : events) {
        if (event["type"] == type) {
            found.push_back(event);
        }
    }
    return found;
}

std::vector<QJsonObject> movesOf(const std::vector<QJsonObject>& events, int slot) {
    std::vector<QJsonObject> found;
    for (const QJsonObject& move : ofType(events, "move")) {
        if (move["slot"].toInt() == slot) {
            found.push_back(move);
        }
    }
    return found;
}

void expectFields(const QJsonObject& event, std::initializer_list<const char*> numbers,
                  std::initializer_list<const char*> texts,
                  std::initializer_list<const char*> flags = {}) {
    for (const char* name : numbers) {
        EXPECT_TRUE(event[name].isDouble())
            << event["type"].toString().toStdString() << " " << name;
    }
    for (const char* name : texts) {
        EXPECT_TRUE(event[name].isString())
            << event["type"].toString().toStdString() << " " << name;
    }
    for (const char* name : flags) {
        EXPECT_TRUE(event[name].isBool()) << event["type"].toString().toStdString() << " " << name;
    }
}

void expectEightNumbers(const QJsonValue& value) {
    ASSERT_TRUE(value.isArray());
    EXPECT_EQ(value.toArray().size(), 8);
    for (const auto& number : value.toArray()) {
        EXPECT_TRUE(number.isDouble());
    }
}

void expectWellFormed(const QJsonObject& event) {
    const QString type = event["type"].toString();
    if (type == "match") {
        expectFields(event, {"match", "seed", "humans", "computers", "cycleCount"},
                     {"rule", "level"}, {"boundaries"});
    } else if (type == "field") {
        const QJsonArray rows = event["rows"].toArray();
        ASSERT_EQ(rows.size(), 47);
        for (const auto& row : rows) {
            const QString text = row.toString();
            EXPECT_EQ(text.size(), 61);
            EXPECT_TRUE(text.count(QRegularExpression("[^.1-8XC?]")) == 0) << text.toStdString();
        }
    } else if (type == "start") {
        expectFields(event, {"slot", "x", "y", "dir", "color"}, {}, {"human"});
    } else if (type == "key") {
        expectFields(event, {"tick"}, {"key"});
    } else if (type == "move") {
        expectFields(event, {"tick", "slot", "dir", "x", "y"}, {"result"});
        if (event["result"] == "crash") {
            expectFields(event, {"cell"}, {"text"});
        }
    } else if (type == "end") {
        expectFields(event, {"tick"}, {"text"});
        if (event["winner"].isNull()) {
            expectFields(event, {}, {"reason"});
        } else {
            EXPECT_TRUE(event["winner"].isDouble());
        }
    } else if (type == "scores") {
        expectEightNumbers(event["points"]);
        expectEightNumbers(event["kills"]);
        expectEightNumbers(event["deaths"]);
        EXPECT_TRUE(event["noScoresVisible"].isBool());
    } else {
        ADD_FAILURE() << "unknown type " << type.toStdString();
    }
}

} // namespace

// --- the trace ---

TEST(RunnerTrace, TheSameSeedGivesTheSameTraceTwice) {
    const QStringList arguments = {"--seed",  "99",     "--computers", "6",
                                   "--level", "random", "--matches",   "3"};
    const std::string keys = "1 4 Up\n2 10 Down\n";
    const std::string first = traceOf(arguments, keys);
    EXPECT_EQ(first, traceOf(arguments, keys));
    EXPECT_NE(first,
              traceOf({"--seed", "100", "--computers", "6", "--level", "random", "--matches", "3"},
                      keys));
}

TEST(RunnerTrace, EveryLineIsAJsonObjectWithTheFieldsOfItsType) {
    const std::string keys = "1 3 Up\n1 4 Pause\n1 6 Pause\n2 5 Stop\n3 2 NewGame\n";
    const auto events =
        runEvents({"--seed", "7", "--computers", "6", "--level", "6", "--matches", "5"}, keys);
    ASSERT_FALSE(events.empty());
    for (const QJsonObject& event : events) {
        expectWellFormed(event);
    }
    EXPECT_EQ(ofType(events, "match").size(), 5u);
    EXPECT_EQ(ofType(events, "field").size(), 5u);
    EXPECT_EQ(ofType(events, "end").size(), 5u);
    EXPECT_EQ(ofType(events, "key").size(), 5u);
    EXPECT_EQ(events.back()["type"], "scores");
    EXPECT_EQ(ofType(events, "scores").size(), 1u);
}

TEST(RunnerTrace, TheFieldShowsTheLevelAndEachStartCellHoldsItsSlotNumber) {
    const auto events = runEvents({"--seed", "7", "--computers", "6", "--level", "6"});
    const QJsonArray rows = ofType(events, "field").front()["rows"].toArray();
    EXPECT_EQ(rows[0].toString(), QString(61, 'X')) << "level 6 walls off its top row";
    const auto starts = ofType(events, "start");
    ASSERT_EQ(starts.size(), 7u) << "one human and six computers";
    for (const QJsonObject& start : starts) {
        const QString row = rows[start["y"].toInt()].toString();
        EXPECT_EQ(row[start["x"].toInt()], QChar('0' + start["slot"].toInt()));
    }
}

TEST(RunnerTrace, ACrashNamesTheCellItHitAndTheStatusLine) {
    // Two humans side by side run into the right edge in the same tick.
    const auto events = runEvents({"--seed", "1", "--humans", "2", "--computers", "0"});
    const auto crash = movesOf(events, 1).back();
    EXPECT_EQ(crash["result"], "crash");
    EXPECT_EQ(crash["x"].toInt(), 60);
    EXPECT_EQ(crash["cell"].toInt(), 1) << "a wall leaves the cycle on its own head cell";
    EXPECT_EQ(crash["text"],
              "Player 1 died by the blade of his own light cycle and is out of the match!");
}

// --- keys ---

TEST(RunnerKeys, AnArrowKeyTurnsTheFirstHumanFromTheNextMoveOn) {
    const auto events = runEvents({"--seed", "3", "--humans", "2", "--computers", "0"}, "1 3 Up\n");
    const auto key = ofType(events, "key");
    ASSERT_EQ(key.size(), 1u);
    EXPECT_EQ(key[0]["tick"].toInt(), 3);
    EXPECT_EQ(key[0]["key"], "Up");
    const auto moves = movesOf(events, 1);
    ASSERT_GE(moves.size(), 3u);
    EXPECT_EQ(moves[1]["dir"].toInt(), 3);
    EXPECT_EQ(moves[2]["tick"].toInt(), 3);
    EXPECT_EQ(moves[2]["dir"].toInt(), 0);
    EXPECT_EQ(moves[2]["x"], moves[1]["x"]);
    EXPECT_EQ(moves[2]["y"].toInt(), moves[1]["y"].toInt() - 1);
}

TEST(RunnerKeys, LetterKeysTurnTheSecondHumanOnlyWhenTwoHumansPlay) {
    const auto two = runEvents({"--seed", "3", "--humans", "2", "--computers", "0"}, "1 2 W\n");
    EXPECT_EQ(movesOf(two, 2)[1]["dir"].toInt(), 0);
    EXPECT_EQ(movesOf(two, 1)[1]["dir"].toInt(), 3) << "W leaves the first human alone";
    const auto one = runEvents({"--seed", "3", "--computers", "1"}, "1 2 W\n");
    EXPECT_EQ(movesOf(one, 1)[1]["dir"].toInt(), 3);
}

TEST(RunnerKeys, StepsPassWithoutMovesWhilePaused) {
    const auto events =
        runEvents({"--seed", "3", "--humans", "2", "--computers", "0"}, "1 3 Pause\n1 6 Pause\n");
    std::vector<int> ticks;
    for (const QJsonObject& move : movesOf(events, 1)) {
        ticks.push_back(move["tick"].toInt());
    }
    ASSERT_GE(ticks.size(), 4u);
    EXPECT_EQ(std::vector<int>(ticks.begin(), ticks.begin() + 4), (std::vector<int>{1, 2, 6, 7}));
}

TEST(RunnerKeys, StopEndsTheMatchWithoutAWinner) {
    const auto events = runEvents({"--seed", "3"}, "1 4 Stop\n1 5 Up\n");
    const auto end = ofType(events, "end").front();
    EXPECT_EQ(end["tick"].toInt(), 4);
    EXPECT_TRUE(end["winner"].isNull());
    EXPECT_EQ(end["reason"], "stopped");
    EXPECT_EQ(end["text"], "The match has been terminated.");
    EXPECT_EQ(ofType(events, "key").size(), 1u) << "keys after the end are never pressed";
    EXPECT_EQ(movesOf(events, 1).size(), 3u);
}

TEST(RunnerKeys, NewGameReplacesTheMatchWithTheNextMatchNumber) {
    const auto events = runEvents({"--seed", "3", "--matches", "2"}, "1 3 NewGame\n2 2 Stop\n");
    const auto ends = ofType(events, "end");
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0]["tick"].toInt(), 3);
    EXPECT_EQ(ends[0]["reason"], "replaced");
    EXPECT_EQ(ofType(events, "match")[1]["match"].toInt(), 2);
    EXPECT_EQ(ends[1]["reason"], "stopped") << "the new match reads its own keys";
}

// --- outcomes and tallies ---

TEST(RunnerOutcome, ASingleHumanWithoutComputersWinsOnTheFirstTick) {
    const auto events = runEvents({"--seed", "3", "--computers", "0"});
    const auto end = ofType(events, "end").front();
    EXPECT_EQ(end["tick"].toInt(), 1);
    EXPECT_EQ(end["winner"].toInt(), 1);
    EXPECT_EQ(end["text"], "Game Over: Player 1 has won this match!");
    EXPECT_EQ(ofType(events, "scores").front()["points"].toArray()[0].toInt(), 50);
}

TEST(RunnerOutcome, ComputerWinnerIsTheOnlyCycleMovedInTheLastTick) {
    const auto events = runEvents({"--seed", "7", "--computers", "6", "--level", "6"});
    const auto end = ofType(events, "end").front();
    ASSERT_TRUE(end["winner"].isDouble());
    const auto moves = ofType(events, "move");
    EXPECT_EQ(moves.back()["tick"], end["tick"]);
    EXPECT_EQ(moves.back()["slot"], end["winner"]);
    EXPECT_NE(moves[moves.size() - 2]["tick"], end["tick"]);
}

TEST(RunnerOutcome, TheLastTwoCrashingTogetherEndsTheMatchWhenNoCycleMoves) {
    const auto events = runEvents({"--seed", "1", "--humans", "2", "--computers", "0"});
    const auto end = ofType(events, "end").front();
    EXPECT_TRUE(end["winner"].isNull());
    EXPECT_EQ(end["reason"], "no cycle moved");
    EXPECT_EQ(end["tick"].toInt(), 61) << "both crash into the edge on tick 60";
}

TEST(RunnerOutcome, MaxTicksGivesUpAMatchStillRunning) {
    const auto events = runEvents(
        {"--seed", "1", "--humans", "2", "--computers", "0", "--wrap", "--max-ticks", "30"});
    const auto end = ofType(events, "end").front();
    EXPECT_TRUE(end["winner"].isNull());
    EXPECT_EQ(end["reason"], "max ticks");
    EXPECT_EQ(end["tick"].toInt(), 30);
    EXPECT_EQ(ofType(events, "move").size(), 60u);
}

TEST(RunnerOutcome, TalliesCarryOverFromMatchToMatch) {
    const auto events = runEvents({"--seed", "3", "--computers", "0", "--matches", "3"});
    EXPECT_EQ(ofType(events, "end").size(), 3u);
    const auto scores = ofType(events, "scores").front();
    EXPECT_EQ(scores["points"].toArray()[0].toInt(), 150);
    EXPECT_FALSE(scores["noScoresVisible"].toBool());
}
