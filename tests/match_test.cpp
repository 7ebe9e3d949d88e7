#include "fakes/recording_outside.h"
#include "match/match.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>

namespace {

const std::string Silence = "sound /sounds/silence.wav";

struct TestMatch {
    explicit TestMatch(std::uint64_t seed = 42) : random(seed) {}
    void start(int humans, int computers, int rule = Settings::FreeForAll, std::string level = "") {
        match.mnuGameNew_Click({humans, computers, rule, std::move(level)});
    }
    RecordingOutside out;
    RandomSource random;
    Match match{out, random};
};

} // namespace

// The mine of level 101 at (42, 11) holds N + 1 for the N slots of the new match.
TEST(MatchSetup, RunsItsStepsInOrderWithLevelCodesForTheNewSlotCount) {
    TestMatch t;
    t.start(1, 1, Settings::FreeForAll, "101");
    EXPECT_EQ(
        t.out.events,
        (Events{Silence, "hide splash",
                "status Win the match by trapping other light cycles with your light tail!",
                "clear arena", "show status", "timer on", "sound /sounds/hum.wav", "menus running",
                "enable row 1", "place row 1", "grey row 2", "enable row 3", "place row 3"}));
    EXPECT_EQ(t.out.tiles.size(), 61u * 47 + 4) << "every cell cleared, then the four mines";
    EXPECT_EQ(t.match.world().Field(42, 11), 4);
}

// Start rows are drawn from 2 to 46 until the start cell is free; level 105 takes rows 1, 45 and
// 46 of columns 1 and 59. Humans start in column 1 heading right, except the second in a
// deathmatch, who faces the first from column 59 like the computers.
TEST(MatchSetup, PlacesEveryCycleOnAFreeStartCellOfItsColumnWithItsHeadingAndColour) {
    std::set<int> rows[2];    // without and with level 105
    std::set<int> colours[4]; // of slots 1, 2 and the computers
    for (int seed = 0; seed < 400; ++seed) {
        TestMatch t(seed);
        const bool deathmatch = seed % 4 < 2;
        const bool walled = seed % 2 == 1;
        t.start(2, deathmatch ? 0 : 6, deathmatch ? Settings::Deathmatch : Settings::FreeForAll,
                walled ? "105" : "");
        std::set<std::pair<int, int>> cells;
        for (int slot = 1; slot <= t.match.CycleCount(); ++slot) {
            const clsCycle& c = *t.match.cycle(slot);
            const bool right = slot > 2 || (slot == 2 && deathmatch);
            EXPECT_EQ(std::tuple(c.X(), c.Direction(), c.IsHuman()),
                      std::tuple(right ? 59 : 1, right ? Left : Right, slot <= 2));
            cells.insert({c.X(), c.Y()});
            rows[walled].insert(c.Y());
            colours[std::min(slot, 3)].insert(c.Color());
        }
        EXPECT_EQ(std::ssize(cells), t.match.CycleCount()) << "a shared start cell";
    }
    EXPECT_EQ(std::pair(*rows[0].begin(), *rows[0].rbegin()), std::pair(2, 46));
    EXPECT_EQ(std::pair(*rows[1].begin(), *rows[1].rbegin()), std::pair(2, 44));
    EXPECT_EQ((std::tuple(colours[1], colours[2], colours[3])),
              (std::tuple(std::set{0}, std::set{1}, std::set{0, 1, 2, 3, 4})));
}

// A match ends in the first tick in which one cycle alone moved: a lone cycle wins on the first
// tick, a computer that outlives a human is named as one, and a survivor wins one tick after the
// decisive crash, even if it crashes then; when none survives, the match stays open.
TEST(MatchTick, AMatchEndsInTheFirstTickInWhichOneCycleAloneMoved) {
    TestMatch lone;
    lone.start(1, 0);
    lone.out.forget();
    lone.match.tmrPulse_Timer();
    EXPECT_EQ(lone.out.events,
              (Events{"timer off", "points 1 +50", "status Game Over: Player 1 has won this match!",
                      "menus idle", Silence}));
    lone.start(1, 1);
    lone.match.steer(1, Up); // into the top wall, while the computer roams the open arena
    for (int i = 0; i < 100 && lone.match.MatchInProgress(); ++i) {
        lone.match.tmrPulse_Timer();
    }
    EXPECT_EQ(lone.out.status, "Game Over: Player 3 (Computer) has won this match!");
    // Two humans turn towards the top and bottom walls, so that the upper one crashes on tick 48
    // and the lower one on tick `lowerCrash`; their paths never cross.
    for (const auto& [rule, lowerCrash, won] :
         {std::tuple{Settings::FreeForAll, 55, true}, std::tuple{Settings::Deathmatch, 49, true},
          std::tuple{Settings::FreeForAll, 48, false}}) {
        SCOPED_TRACE(lowerCrash);
        TestMatch t;
        t.start(2, 0, rule);
        const int upper = t.match.cycle(1)->Y() < t.match.cycle(2)->Y() ? 1 : 2;
        const int lower = 3 - upper;
        const int upTurn = 48 - t.match.cycle(upper)->Y();
        const int downTurn = lowerCrash - (46 - t.match.cycle(lower)->Y());
        for (int tick = 1; tick <= 48 + (won ? 1 : 5); ++tick) {
            t.match.steer(upper, tick >= upTurn ? Up : t.match.cycle(upper)->Direction());
            t.match.steer(lower, tick >= downTurn ? Down : t.match.cycle(lower)->Direction());
            if (tick == 49) {
                EXPECT_TRUE(t.match.MatchInProgress()) << "both cycles moved in the decisive tick";
                t.out.forget();
            }
            t.match.tmrPulse_Timer();
        }
        EXPECT_EQ(t.match.MatchInProgress(), !won);
        if (won) { // even when the survivor crashed on its winning move
            EXPECT_EQ(t.out.status,
                      "Game Over: Player " + std::to_string(lower) + " has won this match!");
        } else {
            EXPECT_TRUE(t.out.events.empty()) << "no winner, no points";
        }
    }
}

// Pause and Stop act only in a match. Stop removes every placed cycle through the elimination rule
// on a cleared arena, so the cause is "Player 0", a number no tally takes; it leaves the timer on.
TEST(MatchCommands, PauseAndStopActOnlyInAMatchAndStopLeavesTheTimerRunningIdle) {
    TestMatch t;
    t.start(1, 1);
    t.out.forget();
    t.match.mnuGamePause_Click();
    t.match.mnuGamePause_Click();
    EXPECT_EQ(t.out.events, (Events{"timer off", "show status", Silence, "timer on", "hide status",
                                    "sound /sounds/hum.wav"}));
    t.match.mnuGamePause_Click();
    t.start(1, 1);
    EXPECT_TRUE(t.out.timerEnabled) << "New Game runs even during a pause";
    t.out.forget();
    t.match.mnuGameStop_Click();
    const std::string computerOut =
        "status Player 3 (Computer) was annihilated by Player 0 and is out of the match!";
    EXPECT_EQ(t.out.events,
              (Events{"clear arena", "kill 1 by 0",
                      "status Player 1 was annihilated by Player 0 and is out of the match!",
                      "grey row 1", "kill 3 by 0", computerOut, "grey row 3", "menus idle", Silence,
                      "status The match has been terminated."}));
    t.out.forget();
    t.match.tmrPulse_Timer();
    t.match.mnuGamePause_Click();
    t.match.mnuGameStop_Click();
    EXPECT_TRUE(t.out.events.empty() && t.out.tiles.empty()) << "all idle";
}
