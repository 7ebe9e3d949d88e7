#include "arena/levels.h"
#include "arena/sound_files.h"
#include "fakes/recording_outside.h"
#include "match/keys.h"
#include "match/match.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct TestMatch {
    explicit TestMatch(std::uint64_t seed = 42) : random(seed) {}

    // Runs ticks until the match ends (or the limit), returns the number of ticks run.
    int runToEnd(int limit = 5000) {
        int ticks = 0;
        while (match.MatchInProgress() && out.timerEnabled && ticks < limit) {
            match.tmrPulse_Timer();
            ++ticks;
        }
        return ticks;
    }

    RecordingOutside out;
    RandomSource random;
    Match match{out, random};
};

Settings settingsFor(int humans, int computers, int rule = Settings::FreeForAll,
                     std::string level = "") {
    Settings s;
    s.HumanCount = humans;
    s.ComputerCount = computers;
    s.MatchRule = rule;
    s.LevelChoice = std::move(level);
    return s;
}

} // namespace

TEST(MatchSetup, DefaultSettingsPlaceTheHumanLeftAndTheComputerRightWithSlotTwoUnplaced) {
    TestMatch t;
    t.match.mnuGameNew_Click(Settings{});
    EXPECT_EQ(t.match.CycleCount(), 3);
    const clsCycle& human = *t.match.cycle(1);
    EXPECT_EQ(human.X(), 1);
    EXPECT_EQ(human.Direction(), Right);
    EXPECT_EQ(human.Color(), 0);
    EXPECT_TRUE(human.IsHuman());
    EXPECT_FALSE(t.match.cycle(2)->Active());
    EXPECT_EQ(t.match.cycle(2)->selIndex(), 0);
    const clsCycle& computer = *t.match.cycle(3);
    EXPECT_EQ(computer.X(), 59);
    EXPECT_EQ(computer.Direction(), Left);
    EXPECT_FALSE(computer.IsHuman());
    EXPECT_EQ(t.match.cycle(4), nullptr);
}

TEST(MatchSetup, RunsItsStepsInOrderAndLaysOutTheScoreRowsAfterwards) {
    TestMatch t;
    t.match.mnuGameNew_Click(Settings{});
    const std::vector<std::string> expected = {
        "sound /sounds/silence.wav",
        "hide splash",
        "status Win the match by trapping other light cycles with your light tail!",
        "clear arena",
        "show status",
        "timer on",
        "sound /sounds/hum.wav",
        "menus running",
        "enable row 1",
        "place row 1",
        "grey row 2",
        "enable row 3",
        "place row 3",
    };
    EXPECT_EQ(t.out.events, expected);
    EXPECT_EQ(t.out.tiles.size(), 61u * 47u) << "ClearField paints every cell, nothing else";
    EXPECT_TRUE(t.match.MatchInProgress());
}

TEST(MatchSetup, SecondHumanStartsLeftInFreeForAllAndRightFacingTheFirstInDeathmatch) {
    for (int seed = 0; seed < 50; ++seed) {
        TestMatch t(seed);
        t.match.mnuGameNew_Click(settingsFor(2, 0));
        const clsCycle& first = *t.match.cycle(1);
        const clsCycle& second = *t.match.cycle(2);
        EXPECT_EQ(t.match.CycleCount(), 2);
        EXPECT_EQ(second.X(), 1);
        EXPECT_EQ(second.Direction(), Right);
        EXPECT_NE(first.Y(), second.Y());

        t.match.mnuGameNew_Click(settingsFor(2, 0, Settings::Deathmatch));
        EXPECT_EQ(t.match.cycle(2)->X(), 59);
        EXPECT_EQ(t.match.cycle(2)->Direction(), Left);
        EXPECT_EQ(t.match.cycle(2)->Color(), 1);
    }
}

TEST(MatchSetup, SixComputersStartOnDifferentRowsWithinTheArenaInColoursZeroToFour) {
    std::set<int> colours;
    for (int seed = 0; seed < 100; ++seed) {
        TestMatch t(seed);
        t.match.mnuGameNew_Click(settingsFor(2, 6));
        ASSERT_EQ(t.match.CycleCount(), 8);
        std::set<int> rows;
        for (int slot = 3; slot <= 8; ++slot) {
            const clsCycle& c = *t.match.cycle(slot);
            EXPECT_EQ(c.X(), 59);
            EXPECT_GE(c.Y(), 2);
            EXPECT_LE(c.Y(), 46);
            rows.insert(c.Y());
            colours.insert(c.Color());
        }
        EXPECT_EQ(rows.size(), 6u);
        for (int slot = 1; slot <= 2; ++slot) {
            EXPECT_GE(t.match.cycle(slot)->Y(), 2);
        }
    }
    EXPECT_EQ(colours, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(MatchSetup, NoCycleStartsOnACellTheLevelTook) {
    for (int seed = 0; seed < 200; ++seed) {
        TestMatch t(seed);
        t.match.mnuGameNew_Click(settingsFor(2, 6, Settings::FreeForAll, "105"));
        // Level five walls row 46; the start cells of column 1 and 59 there are taken.
        for (int slot = 1; slot <= 8; ++slot) {
            EXPECT_NE(t.match.cycle(slot)->Y(), 46);
        }
    }
}

TEST(MatchSetup, TheLevelIsLoadedWithCodesForTheNewNumberOfSlots) {
    TestMatch t;
    t.match.mnuGameNew_Click(settingsFor(1, 6, Settings::FreeForAll, "101"));
    EXPECT_EQ(t.match.world().Field(42, 11), 9);
    t.match.mnuGameNew_Click(settingsFor(1, 0, Settings::FreeForAll, "101"));
    EXPECT_EQ(t.match.world().Field(42, 11), 3);
}

TEST(MatchTick, ASinglePlacedCycleWinsOnTheFirstTick) {
    TestMatch t;
    t.match.mnuGameNew_Click(settingsFor(1, 0));
    t.match.tmrPulse_Timer();
    EXPECT_FALSE(t.match.MatchInProgress());
    EXPECT_EQ(t.out.status, "Game Over: Player 1 has won this match!");
}

// Two humans driven so that the upper one hits the top wall on tick `upperTick` and the lower one
// the bottom wall on tick `lowerTick`; neither path crosses the other's trail.
struct WallRun {
    int upper, lower;
    int upperTurn, lowerTurn;
};

WallRun planWallRun(const Match& match, int upperTick, int lowerTick) {
    const bool oneIsUpper = match.cycle(1)->Y() < match.cycle(2)->Y();
    WallRun run{oneIsUpper ? 1 : 2, oneIsUpper ? 2 : 1, 0, 0};
    run.upperTurn = upperTick - match.cycle(run.upper)->Y();
    run.lowerTurn = lowerTick - (LastRow - match.cycle(run.lower)->Y());
    return run;
}

void tickAlong(TestMatch& t, const WallRun& run, int ticks) {
    for (int tick = 1; tick <= ticks; ++tick) {
        if (tick == run.upperTurn) {
            t.match.steer(run.upper, Up);
        }
        if (tick == run.lowerTurn) {
            t.match.steer(run.lower, Down);
        }
        t.match.tmrPulse_Timer();
    }
}

TEST(MatchTick, TheSurvivorWinsOneTickAfterTheDecisiveCrash) {
    TestMatch t;
    t.match.mnuGameNew_Click(settingsFor(2, 0));
    const WallRun run = planWallRun(t.match, 48, 55);
    tickAlong(t, run, 48);
    EXPECT_FALSE(t.match.cycle(run.upper)->Active());
    EXPECT_TRUE(t.match.MatchInProgress()) << "two cycles moved in the decisive tick";
    t.out.forget();
    tickAlong(t, {run.upper, run.lower, 0, 0}, 1);
    EXPECT_TRUE(t.match.cycle(run.lower)->Active());
    EXPECT_FALSE(t.match.MatchInProgress());
    const std::string text =
        "Game Over: Player " + std::to_string(run.lower) + " has won this match!";
    EXPECT_EQ(t.out.events, (std::vector<std::string>{
                                "timer off", "points " + std::to_string(run.lower) + " +50",
                                "status " + text, "menus idle", "sound /sounds/silence.wav"}));
}

TEST(MatchTick, AComputerWinnerIsNamedAsAComputer) {
    TestMatch t;
    t.match.mnuGameNew_Click(Settings{});
    t.match.steer(1, Up);
    t.runToEnd();
    ASSERT_TRUE(t.match.cycle(3)->Active()) << "the computer in open space outlives the human";
    EXPECT_EQ(t.out.status, "Game Over: Player 3 (Computer) has won this match!");
}

TEST(MatchTick, ASurvivorThatCrashesOnItsWinningMoveStillWins) {
    TestMatch t;
    t.match.mnuGameNew_Click(settingsFor(2, 0, Settings::Deathmatch));
    const WallRun run = planWallRun(t.match, 48, 49);
    tickAlong(t, run, 48);
    EXPECT_FALSE(t.match.cycle(run.upper)->Active());
    EXPECT_TRUE(t.match.MatchInProgress()) << "two cycles moved in the decisive tick";
    tickAlong(t, {run.upper, run.lower, 0, 0}, 1);
    EXPECT_FALSE(t.match.cycle(run.lower)->Active()) << "the survivor hit the wall";
    EXPECT_FALSE(t.match.MatchInProgress());
    EXPECT_EQ(t.out.status,
              "Game Over: Player " + std::to_string(run.lower) + " has won this match!");
    EXPECT_FALSE(t.out.timerEnabled);
}

TEST(MatchTick, WhenTheLastTwoCrashInOneTickTheMatchStaysOpenWithoutAWinner) {
    TestMatch t;
    t.match.mnuGameNew_Click(settingsFor(2, 0));
    const WallRun run = planWallRun(t.match, 48, 48);
    tickAlong(t, run, 48);
    EXPECT_FALSE(t.match.cycle(1)->Active());
    EXPECT_FALSE(t.match.cycle(2)->Active());
    t.out.forget();
    tickAlong(t, {0, 0, 0, 0}, 5);
    EXPECT_TRUE(t.match.MatchInProgress());
    EXPECT_TRUE(t.out.timerEnabled);
    EXPECT_TRUE(t.out.matchMenus);
    EXPECT_TRUE(t.out.events.empty()) << "no winner, no points";
}

TEST(MatchCommands, PauseTogglesTheTimerStatusLineAndSoundOnlyDuringAMatch) {
    TestMatch t;
    t.match.mnuGamePause_Click(); // before the first match
    EXPECT_TRUE(t.out.events.empty());

    t.match.mnuGameNew_Click(Settings{});
    t.out.forget();
    t.match.mnuGamePause_Click();
    t.match.mnuGamePause_Click();
    EXPECT_EQ(t.out.events,
              (std::vector<std::string>{"timer off", "show status", "sound /sounds/silence.wav",
                                        "timer on", "hide status", "sound /sounds/hum.wav"}));

    t.match.mnuGameStop_Click();
    t.out.forget();
    t.match.mnuGamePause_Click(); // after a stop
    t.match.mnuGameStop_Click();
    EXPECT_TRUE(t.out.events.empty());
}

TEST(MatchCommands, StopRemovesEveryPlacedCycleWithoutTalliesAndLeavesTheTimerAlone) {
    TestMatch t;
    t.match.mnuGameNew_Click(Settings{});
    t.match.mnuGamePause_Click(); // paused: the timer stays off after the stop
    t.out.forget();
    t.match.mnuGameStop_Click();
    const std::vector<std::string> expected = {
        "clear arena",
        "kill 1 by 0",
        "status Player 1 was annihilated by Player 0 and is out of the match!",
        "grey row 1",
        "kill 3 by 0",
        "status Player 3 (Computer) was annihilated by Player 0 and is out of the match!",
        "grey row 3",
        "menus idle",
        "sound /sounds/silence.wav",
        "status The match has been terminated.",
    };
    EXPECT_EQ(t.out.events, expected);
    EXPECT_FALSE(t.match.MatchInProgress());
    EXPECT_FALSE(t.out.timerEnabled);
    EXPECT_FALSE(t.match.cycle(1)->Active());
    EXPECT_TRUE(t.match.cycle(3)->Crashed());
}

TEST(MatchCommands, AStoppedRunningMatchKeepsTickingWithoutMovingAnything) {
    TestMatch t;
    t.match.mnuGameNew_Click(Settings{});
    t.match.mnuGameStop_Click();
    EXPECT_TRUE(t.out.timerEnabled);
    t.out.forget();
    t.match.tmrPulse_Timer();
    EXPECT_TRUE(t.out.events.empty());
    EXPECT_TRUE(t.out.tiles.empty());
}

TEST(MatchCommands, NewGameDuringAPauseStartsARunningMatch) {
    TestMatch t;
    t.match.mnuGameNew_Click(Settings{});
    t.match.mnuGamePause_Click();
    t.match.mnuGameNew_Click(Settings{});
    EXPECT_TRUE(t.out.timerEnabled);
    EXPECT_TRUE(t.out.statusVisible);
    EXPECT_TRUE(t.match.MatchInProgress());
}

TEST(MatchCommands, AfterAWinPauseChangesNothingAndTheWinnerIsNotScoredTwice) {
    TestMatch t;
    t.match.mnuGameNew_Click(settingsFor(1, 0));
    t.match.tmrPulse_Timer();
    t.out.forget();
    t.match.mnuGamePause_Click();
    EXPECT_TRUE(t.out.events.empty());
}

TEST(MatchSound, CuesFollowSetupTurnsCrashesAndTheWinInOrder) {
    TestMatch t;
    t.match.mnuGameNew_Click(settingsFor(1, 0));
    EXPECT_EQ(t.out.sounds,
              (std::vector<std::string>{std::string(Sound::Silence), std::string(Sound::Hum)}));
    t.out.forget();
    t.match.steer(1, Down);
    t.match.tmrPulse_Timer(); // a turn, then the win of the only cycle
    ASSERT_EQ(t.out.sounds.size(), 2u);
    EXPECT_TRUE(t.out.sounds[0] == Sound::Turn2 || t.out.sounds[0] == Sound::Turn3);
    EXPECT_EQ(t.out.sounds[1], Sound::Silence);
}

TEST(Keys, ArrowsSteerTheFirstHumanAndLettersTheSecondOnlyWhenTwoPlay) {
    EXPECT_EQ(actionForKey(Key::Up, 1).kind, KeyAction::Steer);
    EXPECT_EQ(actionForKey(Key::Left, 2).slot, 1);
    EXPECT_EQ(actionForKey(Key::Left, 2).heading, Left);
    EXPECT_EQ(actionForKey(Key::W, 1).kind, KeyAction::None);
    EXPECT_EQ(actionForKey(Key::D, 2).slot, 2);
    EXPECT_EQ(actionForKey(Key::D, 2).heading, Right);
    EXPECT_EQ(actionForKey(Key::S, 2).heading, Down);
    EXPECT_EQ(actionForKey(Key::Space, 1).kind, KeyAction::NewGame);
    EXPECT_EQ(actionForKey(Key::Pause, 2).kind, KeyAction::Pause);
}

TEST(Keys, SteeringBeforeTheFirstMatchOrOfAMissingSlotDoesNothing) {
    TestMatch t;
    t.match.steer(1, Up);
    t.match.mnuGameNew_Click(Settings{});
    t.match.steer(9, Up);
    t.match.steer(2, Up); // unplaced: its heading changes but it never moves
    EXPECT_FALSE(t.match.cycle(2)->Active());
}
