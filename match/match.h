#pragma once

#include "arena/world.h"
#include "cycles/cycle.h"
#include "match/settings.h"

#include <functional>
#include <vector>

// A match: setup from the settings, the tick, and the Pause and Stop commands.
class Match {
  public:
    Match(Outside& outside, RandomSource& random);

    // The "New Game" command: set up a match, then lay out the score rows of its players.
    void mnuGameNew_Click(const Settings& settings);
    void CreateNewGame(const Settings& settings);

    // One tick of the game timer: move every cycle in play in slot order; the first tick in
    // which exactly one cycle moved ends the match with that cycle as the winner.
    void tmrPulse_Timer();

    void mnuGamePause_Click();
    void mnuGameStop_Click();

    // Sets the heading of the cycle in a slot (through its reversal rule); before the first
    // match, or for a slot the match does not have, nothing happens.
    void steer(int slot, int heading);

    bool MatchInProgress() const { return MatchInProgress_; }
    bool timerEnabled() const { return timerEnabled_; }
    const World& world() const { return world_; }
    int CycleCount() const { return world_.CycleCount; }
    // The cycle in a slot, or nullptr before the first match or outside 1..CycleCount.
    const clsCycle* cycle(int slot) const;

    // Called after every Move of a tick (the runner traces matches with it).
    using MoveObserver = std::function<void(const clsCycle&, MoveResult)>;
    void setMoveObserver(MoveObserver observer) { moveObserver_ = std::move(observer); }

  private:
    int drawStartRow();
    void placeComputer(int slot);
    void endMatch(int winner);
    void setTimer(bool enabled);

    World world_;
    std::vector<clsCycle> Cycles; // slot 0 unused
    bool MatchInProgress_ = false;
    bool timerEnabled_ = false;
    MoveObserver moveObserver_;
};
