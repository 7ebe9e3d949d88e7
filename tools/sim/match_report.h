#pragma once

#include "cycles/cycle.h"
#include "match/match.h"
#include "match/settings.h"
#include "scores/tallies.h"
#include "session/key_script.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A match has just been set up.
struct MatchSetup {
    int number; // from 1
    std::uint64_t seed;
    const Settings& settings;
    bool boundaries;
    const Match& match;
};

// A cycle has just moved in step `tick`; `cell` is the code of the cell it ended on, as the
// move left it (for a crash, the code it ran into).
struct CycleMove {
    int tick;
    const clsCycle& cycle;
    MoveResult result;
    int cell;
    const std::string& status;
};

enum class EndReason { Won, NoCycleMoved, MaxTicks, Stopped, Replaced, SessionEnded };

// "no cycle moved", "max ticks", "stopped", "replaced", "session ended"; nothing for a match
// that was won.
constexpr std::string_view reasonName(EndReason reason) {
    switch (reason) {
    case EndReason::Won:
        return "";
    case EndReason::NoCycleMoved:
        return "no cycle moved";
    case EndReason::MaxTicks:
        return "max ticks";
    case EndReason::Stopped:
        return "stopped";
    case EndReason::Replaced:
        return "replaced";
    case EndReason::SessionEnded:
        return "session ended";
    }
    return "";
}

struct MatchEnd {
    int number;
    int tick; // the step in which the match ended
    std::optional<int> winner;
    EndReason reason;
    std::string status; // the status line at the end
};

// Hears what happens in a run, in order: per match a setup, keys and moves, an end; then the
// tallies once after the last match.
class MatchReport {
  public:
    virtual ~MatchReport() = default;
    virtual void matchSetUp(const MatchSetup& setup) = 0;
    virtual void keyPressed(int tick, ScriptKey key) = 0;
    virtual void cycleMoved(const CycleMove& move) = 0;
    virtual void matchEnded(const MatchEnd& end) = 0;
    virtual void runEnded(const ScoreTable& scores) = 0;
};
