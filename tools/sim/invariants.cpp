#include "invariants.h"

#include <array>

namespace {

std::string cellName(int x, int y) {
    std::string name = "(";
    name += std::to_string(x);
    name += ", ";
    name += std::to_string(y);
    name += ')';
    return name;
}

bool inPlay(const clsCycle& cycle) {
    return cycle.Active() && !cycle.Crashed();
}

std::optional<std::string> cycleOffItsCell(const MatchState& state) {
    for (const clsCycle* cycle : state.cycles) {
        if (!inPlay(*cycle)) {
            continue;
        }
        const int code = cycle->selIndex();
        const std::string name = "cycle " + std::to_string(code);
        if (!Grid::contains(cycle->X(), cycle->Y())) {
            return name + " is in play outside the grid at " + cellName(cycle->X(), cycle->Y());
        }
        const int cell = state.field(cycle->X(), cycle->Y());
        if (cell != code) {
            return name + " is in play at " + cellName(cycle->X(), cycle->Y()) +
                   ", a cell holding " + std::to_string(cell) + " instead of its code";
        }
    }
    return std::nullopt;
}

// The cycle each trail code 1..N belongs to, or nullptr when no placed cycle has that code.
std::vector<const clsCycle*> owners(const MatchState& state) {
    std::vector<const clsCycle*> owner(static_cast<std::size_t>(state.cycleCount) + 1, nullptr);
    for (const clsCycle* cycle : state.cycles) {
        const int code = cycle->selIndex();
        if (code >= 1 && code <= state.cycleCount) {
            owner[static_cast<std::size_t>(code)] = cycle;
        }
    }
    return owner;
}

std::optional<std::string> cellViolation(const MatchState& state,
                                         const std::vector<const clsCycle*>& owner, int x, int y) {
    const int code = state.field(x, y);
    const int n = state.cycleCount;
    if (code == CellEmpty || code == n + 1 || code == n + 3) {
        return std::nullopt;
    }
    const clsCycle* cycle = code <= n ? owner[static_cast<std::size_t>(code)] : nullptr;
    if (cycle != nullptr &&
        (inPlay(*cycle) || (cycle->Crashed() && cycle->X() == x && cycle->Y() == y))) {
        return std::nullopt;
    }
    const std::string where = "cell " + cellName(x, y) + " holds " + std::to_string(code);
    if (code > n) {
        return where + ", a code no cell may hold with " + std::to_string(n) +
               " slots (N + 2 or above N + 3)";
    }
    if (cycle == nullptr) {
        return where + ", the code of slot " + std::to_string(code) + ", which holds no cycle";
    }
    return where + ", the trail of cycle " + std::to_string(code) + ", which is out (" +
           (cycle->Crashed() ? "crashed at " + cellName(cycle->X(), cycle->Y())
                             : std::string("removed without a crash")) +
           ")";
}

struct Tally {
    const char* name;
    std::int32_t (ScoreTable::*value)(int) const;
};

constexpr std::array<Tally, 3> Tallies = {{{"points", &ScoreTable::points},
                                           {"kills", &ScoreTable::kills},
                                           {"deaths", &ScoreTable::deaths}}};

} // namespace

std::vector<const clsCycle*> slotsOf(const Match& match) {
    std::vector<const clsCycle*> cycles;
    for (int slot = 1; slot <= match.CycleCount(); ++slot) {
        cycles.push_back(match.cycle(slot));
    }
    return cycles;
}

std::optional<std::string> gridViolation(const MatchState& state) {
    if (auto violation = cycleOffItsCell(state)) {
        return violation;
    }
    const auto owner = owners(state);
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            if (auto violation = cellViolation(state, owner, x, y)) {
                return violation;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> stopViolation(const MatchState& state) {
    if (auto violation = gridViolation(state)) {
        return violation;
    }
    for (const clsCycle* cycle : state.cycles) {
        if (inPlay(*cycle)) {
            return "cycle " + std::to_string(cycle->selIndex()) + " is still in play after Stop";
        }
    }
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            const int code = state.field(x, y);
            if (code != CellEmpty && code <= state.cycleCount) {
                return "cell " + cellName(x, y) + " still holds the trail code " +
                       std::to_string(code) + " after Stop";
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> tallyViolation(const ScoreTable& before, const ScoreTable& after) {
    for (int player = 1; player <= ScoreTable::Players; ++player) {
        for (const Tally& tally : Tallies) {
            const std::int32_t was = (before.*tally.value)(player);
            const std::int32_t is = (after.*tally.value)(player);
            if (is < was) {
                return "player " + std::to_string(player) + "'s " + tally.name + " fell from " +
                       std::to_string(was) + " to " + std::to_string(is);
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> InvariantChecker::afterSetup(const MatchState& state) {
    crashCellHeldCode_.assign(state.cycles.size(), std::nullopt);
    if (auto violation = gridViolation(state)) {
        return violation;
    }
    return talliesGrew(state.scores);
}

std::optional<std::string> InvariantChecker::afterTick(const MatchState& state) {
    if (auto violation = gridViolation(state)) {
        return violation;
    }
    if (auto violation = crashCellsKept(state)) {
        return violation;
    }
    return talliesGrew(state.scores);
}

// Stop clears the whole grid, crash cells included.
std::optional<std::string> InvariantChecker::afterStop(const MatchState& state) {
    if (auto violation = stopViolation(state)) {
        return violation;
    }
    return talliesGrew(state.scores);
}

std::optional<std::string> InvariantChecker::crashCellsKept(const MatchState& state) {
    crashCellHeldCode_.resize(state.cycles.size());
    for (std::size_t slot = 0; slot < state.cycles.size(); ++slot) {
        const clsCycle& cycle = *state.cycles[slot];
        if (!cycle.Crashed()) {
            continue;
        }
        const std::string name = "cycle " + std::to_string(cycle.selIndex());
        if (!Grid::contains(cycle.X(), cycle.Y())) {
            return name + " crashed outside the grid at " + cellName(cycle.X(), cycle.Y());
        }
        const bool held = state.field(cycle.X(), cycle.Y()) == cycle.selIndex();
        std::optional<bool>& first = crashCellHeldCode_[slot];
        if (!first) {
            first = held;
        } else if (*first != held) {
            return "cell " + cellName(cycle.X(), cycle.Y()) + ", where " + name + " crashed, " +
                   (held ? "now holds its code, which it did not hold after the crash"
                         : "lost the code it held after the crash");
        }
    }
    return std::nullopt;
}

std::optional<std::string> InvariantChecker::talliesGrew(const ScoreTable& scores) {
    auto violation = tallyViolation(lastScores_, scores);
    lastScores_ = scores;
    return violation;
}
