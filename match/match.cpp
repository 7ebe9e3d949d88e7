#include "match/match.h"

#include "arena/levels.h"
#include "arena/sound_files.h"

#include <string>

namespace {
constexpr int HumanColumn = 1;
constexpr int ComputerColumn = 59;
} // namespace

Match::Match(Outside& outside, RandomSource& random) : world_(outside, random) {}

const clsCycle* Match::cycle(int slot) const {
    if (slot < 1 || slot >= static_cast<int>(Cycles.size())) {
        return nullptr;
    }
    return &Cycles[static_cast<std::size_t>(slot)];
}

void Match::steer(int slot, int heading) {
    if (slot >= 1 && slot < static_cast<int>(Cycles.size())) {
        Cycles[static_cast<std::size_t>(slot)].setDirection(heading);
    }
}

void Match::mnuGameNew_Click(const Settings& settings) {
    CreateNewGame(settings);
    for (int i = 1; i <= world_.CycleCount; ++i) {
        const bool placed = Cycles[static_cast<std::size_t>(i)].Active();
        world_.outside.enableScoreRow(i, placed);
        if (placed) {
            world_.outside.placeScoreRow(i);
        }
    }
}

void Match::CreateNewGame(const Settings& settings) {
    Outside& outside = world_.outside;
    outside.playSound(Sound::Silence);
    outside.hideSplash();
    outside.setStatus("Win the match by trapping other light cycles with your light tail!");
    ClearField(world_);
    world_.CycleCount = static_cast<std::int16_t>(settings.ComputerCount + 2);
    Cycles.assign(static_cast<std::size_t>(world_.CycleCount) + 1, clsCycle(world_));

    if (settings.LevelChoice == RandomLevel) {
        LoadRandom(world_);
    } else if (!settings.LevelChoice.empty()) {
        LoadRes(world_, settings.LevelChoice);
    }

    int row = drawStartRow();
    while (world_.Field(HumanColumn, row) != CellEmpty) {
        row = drawStartRow();
    }
    Cycles[1].Initalize(HumanColumn, row, Right, 0, false, 1);

    if (settings.HumanCount == 2) {
        const bool deathmatch = settings.MatchRule == Settings::Deathmatch;
        const int column = deathmatch ? ComputerColumn : HumanColumn;
        row = drawStartRow();
        while (world_.Field(column, row) != CellEmpty) {
            row = drawStartRow();
        }
        Cycles[2].Initalize(column, row, deathmatch ? Left : Right, 1, false, 2);
    }

    for (int k = 0; k < settings.ComputerCount; ++k) {
        placeComputer(k + 3);
    }

    outside.showStatus(true);
    MatchInProgress_ = true;
    setTimer(true);
    outside.playSound(Sound::Hum);
    outside.setMatchMenus(true);
}

// Rows 2 to 46.
int Match::drawStartRow() {
    return static_cast<int>(world_.random.draw() * 45 + 2);
}

void Match::placeComputer(int slot) {
    int row = 0;
    do {
        world_.random.reseedFromClock();
        row = drawStartRow();
    } while (world_.Field(ComputerColumn, row) != CellEmpty);
    const int color = static_cast<int>(world_.random.draw() * 5 + 1) - 1;
    Cycles[static_cast<std::size_t>(slot)].Initalize(ComputerColumn, row, Left, color, true, slot);
}

void Match::tmrPulse_Timer() {
    int moved = 0;
    int last = 0;
    for (int i = 1; i <= world_.CycleCount; ++i) {
        clsCycle& cycle = Cycles[static_cast<std::size_t>(i)];
        if (cycle.Active() && !cycle.Crashed()) {
            const MoveResult result = cycle.Move();
            ++moved;
            last = i;
            if (moveObserver_) {
                moveObserver_(cycle, result);
            }
        }
    }
    if (moved == 1) {
        endMatch(last);
    }
}

void Match::endMatch(int winner) {
    Outside& outside = world_.outside;
    setTimer(false);
    MatchInProgress_ = false;
    outside.addPointScore(winner, 50);
    const bool human = Cycles[static_cast<std::size_t>(winner)].IsHuman();
    outside.setStatus("Game Over: Player " + std::to_string(winner) +
                      (human ? " has won this match!" : " (Computer) has won this match!"));
    outside.setMatchMenus(false);
    outside.playSound(Sound::Silence);
}

void Match::mnuGamePause_Click() {
    if (!MatchInProgress_) {
        return;
    }
    setTimer(!timerEnabled_);
    Outside& outside = world_.outside;
    if (timerEnabled_) {
        outside.showStatus(false);
        outside.playSound(Sound::Hum);
    } else {
        outside.showStatus(true);
        outside.playSound(Sound::Silence);
    }
}

// Stop leaves the timer as it is: a running timer keeps ticking over a match with no cycle in
// play, which changes nothing.
void Match::mnuGameStop_Click() {
    if (!MatchInProgress_) {
        return;
    }
    ClearField(world_);
    for (int i = 1; i <= world_.CycleCount; ++i) {
        clsCycle& cycle = Cycles[static_cast<std::size_t>(i)];
        cycle.setActive(false);
        cycle.Remove();
    }
    Outside& outside = world_.outside;
    outside.setMatchMenus(false);
    outside.playSound(Sound::Silence);
    outside.setStatus("The match has been terminated.");
    MatchInProgress_ = false;
}

void Match::setTimer(bool enabled) {
    timerEnabled_ = enabled;
    world_.outside.setTimerEnabled(enabled);
}
