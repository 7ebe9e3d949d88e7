#include "fakes/test_world.h"
#include "invariants.h"
#include "options.h"
#include "runner.h"
#include "summary.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// Three slots on a walled grid, as with one human and one computer: cycles 1 and 3 in play (both
// steered here), slot 2 left empty. Codes: 4 mine, 5 unused, 6 tail-clearing cell.
struct Arena {
    TestWorld t{3};
    clsCycle one = t.place(5, 5, Right, 1);
    clsCycle noCycle{t.world};
    clsCycle three = t.place(40, 20, Left, 3);
    std::array<const clsCycle*, 3> cycles{&one, &noCycle, &three};
    ScoreTable scores;

    MatchState state() const { return {t.world.Field, 3, cycles, scores}; }
    std::uint8_t& cell(int x, int y) { return t.world.Field(x, y); }
    static void drive(clsCycle& cycle, std::initializer_list<int> headings) {
        for (const int heading : headings) {
            cycle.setDirection(heading);
            cycle.Move();
        }
    }
};

void expectViolation(const std::optional<std::string>& violation, const std::string& part) {
    ASSERT_TRUE(violation) << "expected a violation: " << part;
    EXPECT_NE(violation->find(part), std::string::npos) << *violation;
}

} // namespace

// --- the grid against the cycles ---

TEST(GridCheck, PassesTrailsMinesAndTailClearingCellsOfCyclesInPlay) {
    Arena a;
    Arena::drive(a.one, {Right, Down, Down});
    Arena::drive(a.three, {Left, Up});
    a.cell(20, 20) = 4;
    a.cell(21, 20) = 6;
    EXPECT_EQ(gridViolation(a.state()), std::nullopt);
}

TEST(GridCheck, ACycleInPlayMustStandOnItsOwnCodeInsideTheGrid) {
    for (const std::uint8_t code : {0, 3, 4}) {
        Arena a;
        a.cell(5, 5) = code;
        expectViolation(gridViolation(a.state()),
                        "cycle 1 is in play at (5, 5), a cell holding " + std::to_string(code));
    }
    Arena a;
    a.three.setX(FieldColumns);
    expectViolation(gridViolation(a.state()), "cycle 3 is in play outside the grid at (61, 20)");
}

TEST(GridCheck, NoCellHoldsTheUnusedCodeACodeAboveTheTailClearingCellOrAnEmptySlotsCode) {
    for (const std::uint8_t code : {5, 7, 255}) {
        Arena a;
        a.cell(30, 30) = code;
        expectViolation(gridViolation(a.state()), "cell (30, 30) holds " + std::to_string(code) +
                                                      ", a code no cell may hold");
    }
    Arena a;
    a.cell(30, 30) = 2;
    expectViolation(gridViolation(a.state()), "the code of slot 2, which holds no cycle");
}

TEST(GridCheck, ACrashedCycleKeepsOnlyItsCrashCellAndThatOnlyAfterRunningIntoItself) {
    Arena own;
    Arena::drive(own.one, {Right, Down, Left, Up});
    ASSERT_TRUE(own.one.Crashed());
    EXPECT_EQ(gridViolation(own.state()), std::nullopt);
    own.cell(6, 5) = 1;
    expectViolation(gridViolation(own.state()),
                    "cell (6, 5) holds 1, the trail of cycle 1, which is out (crashed at (5, 5))");

    Arena hit;
    hit.cell(6, 5) = 3;
    Arena::drive(hit.one, {Right});
    ASSERT_TRUE(hit.one.Crashed());
    EXPECT_EQ(gridViolation(hit.state()), std::nullopt);
    hit.cell(5, 5) = 1;
    expectViolation(gridViolation(hit.state()), "cell (5, 5) holds 1, the trail of cycle 1");
}

// --- across ticks, and after Stop ---

TEST(RunCheck, ACrashCellKeepsOrLacksTheCrashedCyclesCodeForTheRestOfTheMatch) {
    Arena own;
    InvariantChecker ownChecker;
    ASSERT_EQ(ownChecker.afterSetup(own.state()), std::nullopt);
    Arena::drive(own.one, {Right, Down, Left, Up});
    EXPECT_EQ(ownChecker.afterTick(own.state()), std::nullopt);
    own.cell(5, 5) = CellEmpty;
    expectViolation(ownChecker.afterTick(own.state()),
                    "cell (5, 5), where cycle 1 crashed, lost the code");

    Arena hit;
    InvariantChecker hitChecker;
    ASSERT_EQ(hitChecker.afterSetup(hit.state()), std::nullopt);
    hit.cell(6, 5) = 3;
    Arena::drive(hit.one, {Right});
    EXPECT_EQ(hitChecker.afterTick(hit.state()), std::nullopt);
    hit.cell(6, 5) = 1;
    expectViolation(hitChecker.afterTick(hit.state()),
                    "cell (6, 5), where cycle 1 crashed, now holds its code");
}

TEST(RunCheck, NoTallyEverFalls) {
    ScoreTable before;
    before.AddPointScore(2, 50);
    before.AddKillScore(4, 3);
    before.AddDeathScore(5);
    const auto bookedThenLost = [&](const std::function<void(ScoreTable&)>& book) {
        ScoreTable more = before;
        book(more);
        EXPECT_EQ(tallyViolation(before, more), std::nullopt);
        return tallyViolation(more, before);
    };
    expectViolation(bookedThenLost([](ScoreTable& s) { s.AddPointScore(2, 50); }),
                    "player 2's points fell from 100 to 50");
    expectViolation(bookedThenLost([](ScoreTable& s) { s.AddKillScore(1, 3); }),
                    "player 3's kills fell from 2 to 1");
    expectViolation(bookedThenLost([](ScoreTable& s) { s.AddDeathScore(5); }),
                    "player 5's deaths fell from 2 to 1");

    Arena a;
    InvariantChecker checker;
    a.scores.AddDeathScore(1);
    EXPECT_EQ(checker.afterTick(a.state()), std::nullopt);
    a.scores.clear();
    expectViolation(checker.afterTick(a.state()), "player 1's deaths fell from 1 to 0");
}

TEST(RunCheck, AfterStopNoCycleIsInPlayAndNoTrailIsLeftNotEvenACrashCell) {
    RecordingOutside out;
    RandomSource random(11);
    Match match(out, random);
    match.mnuGameNew_Click({2, 6, Settings::FreeForAll, "106"});
    for (int tick = 0; tick < 20; ++tick) {
        match.tmrPulse_Timer();
    }
    ASSERT_TRUE(match.MatchInProgress());
    match.mnuGameStop_Click();
    const auto cycles = slotsOf(match);
    const ScoreTable scores;
    EXPECT_EQ(stopViolation({match.world().Field, match.CycleCount(), cycles, scores}),
              std::nullopt);

    Grid field = match.world().Field;
    field(match.cycle(1)->X(), match.cycle(1)->Y()) = 1;
    EXPECT_EQ(gridViolation({field, match.CycleCount(), cycles, scores}), std::nullopt);
    expectViolation(stopViolation({field, match.CycleCount(), cycles, scores}),
                    "still holds the trail code 1 after Stop");

    Arena a;
    expectViolation(stopViolation(a.state()), "cycle 1 is still in play after Stop");
}

// --- real matches ---

TEST(RunCheck, EveryInvariantHoldsThroughRealMatchesOfEverySetting) {
    std::istringstream keyFile("1 3 Up\n1 5 W\n1 9 Left\n2 4 Pause\n2 8 Pause\n2 20 Stop\n"
                               "3 15 NewGame\n4 6 Down\n4 7 A\n");
    const KeyScript keys = KeyScript::parse(keyFile, "keys");
    for (const char* rule : {"free", "deathmatch"}) {
        for (const char* level : {"empty", "random", "6"}) {
            for (const bool wrap : {false, true}) {
                QStringList arguments = {
                    "zarvo-sim", "--check", "--seed",  "5",   "--humans",  "2", "--computers", "6",
                    "--rule",    rule,      "--level", level, "--matches", "6"};
                if (wrap) {
                    arguments << "--wrap";
                }
                const RunOptions options = parseOptions(arguments);
                ASSERT_TRUE(options.check);
                std::ostringstream out;
                Summary summary(out);
                try {
                    Runner(options, keys, summary).run();
                } catch (const InvariantViolation& violation) {
                    ADD_FAILURE() << arguments.join(' ').toStdString() << ": " << violation.what();
                }
            }
        }
    }
}
