#pragma once

#include "arena/random_source.h"
#include "invariants.h"
#include "match/match.h"
#include "match_report.h"
#include "options.h"
#include "session/key_script.h"
#include "sim_outside.h"

#include <optional>
#include <stdexcept>
#include <string>

// A broken invariant found by --check; what() names the seed, the match, the moment (setup, tick
// or Stop) and the invariant.
class InvariantViolation : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Plays the matches of one run with the game's own rules, one step at a time, pressing the
// scripted keys before each step, and tells a report what happens. Settings, the random source
// and the score tallies carry over from match to match, as in one run of the game.
//
// A step runs the game's tick only while the match's timer is enabled, so steps pass without
// moves while it is paused. A match ends when a tick ends it with a winner, when a tick moves no
// cycle, when Stop is pressed, when NewGame is pressed (the New Game command sets up the next
// match number at once; it counts towards --matches, so NewGame in the last match ends the run),
// when Quit is pressed (which ends the run), or after --max-ticks steps.
//
// A recording replays as the session it was: its seed, no match before its first NewGame, each
// match from one NewGame to the next whatever ended it in between, and no step after its last
// line.
//
// With --check, the invariants are verified after each setup, each tick and each Stop; the first
// violation ends the run with an InvariantViolation.
class Runner {
  public:
    Runner(const RunOptions& options, const KeyScript& keys, MatchReport& report);

    void run();

    const ScoreTable& scores() const { return outside_.scores(); }
    std::uint64_t seed() const { return random_.seed(); }

  private:
    MatchEnd playMatch(int number);
    void replaySession();
    void setUp(int number);
    std::optional<MatchEnd> step(int number);
    std::optional<EndReason> press(ScriptKey key);
    MatchEnd ending(int number, int tick, EndReason reason) const;
    enum class CheckPoint { Setup, Tick, Stop };
    void verify(int number, CheckPoint when);

    RunOptions options_;
    const KeyScript& keys_;
    MatchReport& report_;
    RandomSource random_;
    SimOutside outside_;
    Match match_;
    int tick_ = 0;
    int movedInTick_ = 0;
    int lastMoved_ = 0;
    bool open_ = false; // a match has been set up and its end not yet reported
    InvariantChecker checker_;
};
