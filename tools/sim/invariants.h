#pragma once

#include "arena/grid.h"
#include "cycles/cycle.h"
#include "match/match.h"
#include "scores/tallies.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// What the checks read of a match: its grid, its number of slots (N), the cycles of slots 1 to
// N in order (a slot the match left empty holds a cycle with selIndex 0) and the run's tallies.
struct MatchState {
    const Grid& field;
    int cycleCount;
    std::span<const clsCycle* const> cycles;
    const ScoreTable& scores;
};

// The cycles of a match's slots 1 to CycleCount, in order.
std::vector<const clsCycle*> slotsOf(const Match& match);

// Each check returns the first violation it finds as a sentence, or nothing.

// The grid against the cycles: each cycle in play (Active and not Crashed) stands on a cell
// holding its selIndex; no cell holds N + 2 or more than N + 3; a trail code belongs to a placed
// cycle, and once that cycle is out no cell holds its code but the one it crashed on (which kept
// its code after a crash into its own trail or the wall, and holds what it hit otherwise).
std::optional<std::string> gridViolation(const MatchState& state);

// After Stop: the grid checks, no cycle left in play and no trail left on the grid.
std::optional<std::string> stopViolation(const MatchState& state);

// No player's points, kills or deaths are lower than before.
std::optional<std::string> tallyViolation(const ScoreTable& before, const ScoreTable& after);

// Checks a run as it is played. Across ticks of a match it also holds that a crashed cycle's
// cell keeps or lacks its code for good (nothing overwrites a trail, and only its own cycle
// writes a code), and across the whole run that tallies only grow.
class InvariantChecker {
  public:
    std::optional<std::string> afterSetup(const MatchState& state);
    std::optional<std::string> afterTick(const MatchState& state);
    std::optional<std::string> afterStop(const MatchState& state);

  private:
    std::optional<std::string> crashCellsKept(const MatchState& state);
    std::optional<std::string> talliesGrew(const ScoreTable& scores);

    // By slot, from 0: whether the cycle's crash cell held its code when first seen crashed.
    std::vector<std::optional<bool>> crashCellHeldCode_;
    ScoreTable lastScores_;
};
