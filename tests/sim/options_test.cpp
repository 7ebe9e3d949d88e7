#include "arena/levels.h"
#include "json_line.h"
#include "key_script.h"
#include "options.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>
#include <sstream>

namespace {

RunOptions parse(QStringList arguments) {
    arguments.prepend("zarvo-sim");
    return parseOptions(arguments);
}

KeyScript keyScript(const std::string& text) {
    std::istringstream in(text);
    return KeyScript::parse(in, "keys.txt");
}

std::string keyScriptError(const std::string& text) {
    try {
        keyScript(text);
    } catch (const KeyScriptError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

// --- options ---

TEST(RunnerOptions, DefaultsAreTheGamesOwnStartSettings) {
    const RunOptions options = parse({});
    EXPECT_FALSE(options.seed);
    EXPECT_EQ(options.settings.HumanCount, 1);
    EXPECT_EQ(options.settings.ComputerCount, 1);
    EXPECT_EQ(options.settings.MatchRule, Settings::FreeForAll);
    EXPECT_EQ(options.settings.LevelChoice, "");
    EXPECT_TRUE(options.boundaries);
    EXPECT_EQ(options.matches, 1);
    EXPECT_EQ(options.maxTicks, 10000);
    EXPECT_FALSE(options.trace);
}

TEST(RunnerOptions, ValuesReachTheSettings) {
    const RunOptions options =
        parse({"--seed", "18446744073709551615", "--humans", "2", "--computers", "6", "--level",
               "3", "--wrap", "--matches", "4", "--max-ticks", "50", "--keys", "k.txt", "--trace"});
    EXPECT_EQ(options.seed, 18446744073709551615ULL);
    EXPECT_EQ(options.settings.HumanCount, 2);
    EXPECT_EQ(options.settings.ComputerCount, 6);
    EXPECT_EQ(options.settings.LevelChoice, "103");
    EXPECT_FALSE(options.boundaries);
    EXPECT_EQ(options.matches, 4);
    EXPECT_EQ(options.maxTicks, 50);
    EXPECT_EQ(options.keysFile, "k.txt");
    EXPECT_TRUE(options.trace);
    EXPECT_EQ(parse({"--level", "random"}).settings.LevelChoice, RandomLevel);
    EXPECT_EQ(parse({"--level", "empty"}).settings.LevelChoice, "");
}

TEST(RunnerOptions, DeathmatchAlwaysPlaysTwoHumansAndNoComputer) {
    for (const QStringList& arguments :
         {QStringList{"--rule", "deathmatch"},
          QStringList{"--humans", "1", "--computers", "5", "--rule", "deathmatch"},
          QStringList{"--rule", "deathmatch", "--computers", "5", "--humans", "1"}}) {
        const Settings settings = parse(arguments).settings;
        EXPECT_EQ(settings.MatchRule, Settings::Deathmatch);
        EXPECT_EQ(settings.HumanCount, 2);
        EXPECT_EQ(settings.ComputerCount, 0);
    }
}

TEST(RunnerOptions, BadCommandLinesAreRejected) {
    const QStringList bad[] = {{"--humans", "0"},    {"--humans", "3"},
                               {"--computers", "7"}, {"--computers", "-1"},
                               {"--rule", "teams"},  {"--level", "0"},
                               {"--level", "7"},     {"--level", "1.5"},
                               {"--seed", "-1"},     {"--seed", "x"},
                               {"--matches", "0"},   {"--max-ticks", "0"},
                               {"--seed"},           {"--wrap=yes"},
                               {"--speed", "2"},     {"stray"},
                               {"--keys", ""},       {"--seed", "18446744073709551616"}};
    for (const QStringList& arguments : bad) {
        EXPECT_THROW(parse(arguments), UsageError) << arguments.join(' ').toStdString();
    }
}

// --- key files ---

TEST(KeyFiles, KeysAreFiledByMatchAndStepInFileOrder) {
    const KeyScript script = keyScript("# a comment\n"
                                       "\n"
                                       "1 5 Up\n"
                                       "  2 1 newgame   # trailing comment\n"
                                       "1 5 w\n"
                                       "1 5 Pause\n"
                                       "1 3 Stop\n");
    const auto atFive = script.keysAt(1, 5);
    EXPECT_EQ(std::vector<ScriptKey>(atFive.begin(), atFive.end()),
              (std::vector<ScriptKey>{ScriptKey::Up, ScriptKey::W, ScriptKey::Pause}));
    EXPECT_EQ(script.keysAt(2, 1).front(), ScriptKey::NewGame);
    EXPECT_EQ(script.keysAt(1, 3).front(), ScriptKey::Stop);
    EXPECT_TRUE(script.keysAt(2, 5).empty());
}

TEST(KeyFiles, ABadLineIsReportedWithItsFileAndLineNumber) {
    EXPECT_EQ(keyScriptError("1 1 Up\n\n1 2 Jump\n").substr(0, 12), "keys.txt:3: ");
    EXPECT_NE(keyScriptError("0 1 Up\n"), "no error");
    EXPECT_NE(keyScriptError("1 0 Up\n"), "no error");
    EXPECT_NE(keyScriptError("1 +2 Up\n"), "no error");
    EXPECT_NE(keyScriptError("1 2\n"), "no error");
    EXPECT_NE(keyScriptError("1 2 Up Down\n"), "no error");
    EXPECT_NE(keyScriptError("1 99999999999 Up\n"), "no error");
}

// --- JSON text ---

TEST(JsonText, QuotesBackslashesAndControlCharactersSurviveARoundTrip) {
    const std::string tricky = "say \"hi\"\\ \n\t\r\x01\x1f end";
    const std::string line = JsonLine("x").text("s", tricky).str();
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line));
    ASSERT_TRUE(document.isObject()) << line;
    EXPECT_EQ(document["s"].toString().toStdString(), tricky);
    EXPECT_EQ(line.find('\n'), std::string::npos) << "one object, one line";
}
