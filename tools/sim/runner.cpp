#include "runner.h"

#include "session/settings_choices.h"

Runner::Runner(const RunOptions& options, const KeyScript& keys, MatchReport& report)
    : options_(options), keys_(keys), report_(report),
      random_(keys.recordedSeed().value_or(options.seed.value_or(RandomSource().seed()))),
      outside_(options.boundaries), match_(outside_, random_) {
    match_.setMoveObserver([this](const clsCycle& cycle, MoveResult result) {
        ++movedInTick_;
        lastMoved_ = cycle.selIndex();
        const int cell = match_.world().Field(cycle.X(), cycle.Y());
        report_.cycleMoved({tick_, cycle, result, cell, outside_.status()});
    });
}

void Runner::run() {
    if (keys_.recordedSeed()) {
        replaySession();
        return;
    }
    for (int number = 1; number <= options_.matches; ++number) {
        const MatchEnd end = playMatch(number);
        report_.matchEnded(end);
        if (end.reason == EndReason::SessionEnded) {
            break;
        }
    }
    report_.runEnded(outside_.scores());
}

MatchEnd Runner::playMatch(int number) {
    setUp(number);
    for (tick_ = 1; tick_ <= options_.maxTicks; ++tick_) {
        for (const ScriptKey key : keys_.keysAt(number, tick_)) {
            report_.keyPressed(tick_, key);
            if (const auto reason = press(key)) {
                open_ = false;
                if (*reason == EndReason::Stopped) {
                    verify(number, CheckPoint::Stop);
                }
                return ending(number, tick_, *reason);
            }
        }
        if (auto end = step(number)) {
            return *end;
        }
    }
    open_ = false;
    return ending(number, options_.maxTicks, EndReason::MaxTicks);
}

// The lines of a recording in their order, each pressed at its match and step, the steps between
// them played. No match is set up before the first NewGame, and a match that ends leaves the
// session where it is until the next one.
void Runner::replaySession() {
    int number = 0;
    tick_ = 1;
    for (const ScriptLine& line : keys_.lines()) {
        for (; tick_ < line.tick; ++tick_) {
            if (const auto end = step(number)) {
                report_.matchEnded(*end);
            }
        }
        report_.keyPressed(tick_, line.key);
        const bool inProgress = match_.MatchInProgress();
        const auto reason = press(line.key);
        if (reason == EndReason::SessionEnded) {
            break;
        }
        if (reason == EndReason::Stopped && inProgress) {
            verify(number, CheckPoint::Stop);
        }
        if (reason && open_) {
            open_ = false;
            report_.matchEnded(ending(number, tick_, *reason));
        }
        if (reason == EndReason::Replaced) {
            tick_ = 1;
            setUp(++number);
        }
    }
    if (open_) {
        report_.matchEnded(ending(number, tick_, EndReason::SessionEnded));
    }
    report_.runEnded(outside_.scores());
}

void Runner::setUp(int number) {
    match_.mnuGameNew_Click(options_.settings);
    open_ = true;
    report_.matchSetUp({number, random_.seed(), options_.settings, outside_.edgeIsWall(), match_});
    verify(number, CheckPoint::Setup);
}

// A step runs the tick only while the match's timer runs. The first tick that leaves a winner,
// or moves no cycle, ends the match.
std::optional<MatchEnd> Runner::step(int number) {
    if (!match_.timerEnabled()) {
        return std::nullopt;
    }
    movedInTick_ = 0;
    match_.tmrPulse_Timer();
    verify(number, CheckPoint::Tick);
    if (!open_ || (match_.MatchInProgress() && movedInTick_ > 0)) {
        return std::nullopt;
    }
    open_ = false;
    if (match_.MatchInProgress()) {
        return ending(number, tick_, EndReason::NoCycleMoved);
    }
    // The tick that ends a match moved exactly one cycle: the winner.
    MatchEnd end = ending(number, tick_, EndReason::Won);
    end.winner = lastMoved_;
    return end;
}

// Keys go through the keyboard's own table, the menus' entries through the settings they
// change; Stop, NewGame and Quit end the match (the caller sets up the next).
std::optional<EndReason> Runner::press(ScriptKey key) {
    if (applyChoice(options_.settings, key)) {
        return std::nullopt;
    }
    switch (key) {
    case ScriptKey::BoundariesOn:
    case ScriptKey::BoundariesOff:
        outside_.setEdgeIsWall(key == ScriptKey::BoundariesOn);
        return std::nullopt;
    case ScriptKey::ClearScores:
        outside_.clearScores();
        return std::nullopt;
    case ScriptKey::Stop:
        match_.mnuGameStop_Click();
        return EndReason::Stopped;
    case ScriptKey::Quit:
        return EndReason::SessionEnded;
    default:
        break;
    }
    const auto keyboard = keyboardKey(key);
    if (!keyboard) {
        return std::nullopt;
    }
    const KeyAction action = actionForKey(*keyboard, options_.settings.HumanCount);
    switch (action.kind) {
    case KeyAction::Steer:
        match_.steer(action.slot, action.heading);
        break;
    case KeyAction::Pause:
        match_.mnuGamePause_Click();
        break;
    case KeyAction::NewGame:
        // The next match's setup is the New Game command itself.
        return EndReason::Replaced;
    case KeyAction::None:
        break;
    }
    return std::nullopt;
}

MatchEnd Runner::ending(int number, int tick, EndReason reason) const {
    return {number, tick, std::nullopt, reason, outside_.status()};
}
void Runner::verify(int number, CheckPoint when) {
    if (!options_.check) {
        return;
    }
    const auto cycles = slotsOf(match_);
    const MatchState state{match_.world().Field, match_.CycleCount(), cycles, outside_.scores()};
    std::optional<std::string> violation;
    std::string moment;
    switch (when) {
    case CheckPoint::Setup:
        violation = checker_.afterSetup(state);
        moment = "setup";
        break;
    case CheckPoint::Tick:
        violation = checker_.afterTick(state);
        moment = "tick " + std::to_string(tick_);
        break;
    case CheckPoint::Stop:
        violation = checker_.afterStop(state);
        moment = "Stop at tick " + std::to_string(tick_);
        break;
    }
    if (violation) {
        throw InvariantViolation("seed " + std::to_string(random_.seed()) + ", match " +
                                 std::to_string(number) + ", " + moment + ": " + *violation);
    }
}
