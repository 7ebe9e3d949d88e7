#include "runner.h"

Runner::Runner(const RunOptions& options, const KeyScript& keys, MatchReport& report)
    : options_(options), keys_(keys), report_(report),
      random_(options.seed.value_or(RandomSource().seed())), outside_(options.boundaries),
      match_(outside_, random_) {
    match_.setMoveObserver([this](const clsCycle& cycle, MoveResult result) {
        ++movedInTick_;
        lastMoved_ = cycle.selIndex();
        const int cell = match_.world().Field(cycle.X(), cycle.Y());
        report_.cycleMoved({tick_, cycle, result, cell, outside_.status()});
    });
}

void Runner::run() {
    for (int number = 1; number <= options_.matches; ++number) {
        report_.matchEnded(playMatch(number));
    }
    report_.runEnded(outside_.scores());
}

MatchEnd Runner::playMatch(int number) {
    match_.mnuGameNew_Click(options_.settings);
    report_.matchSetUp({number, random_.seed(), options_.settings, options_.boundaries, match_});
    verify(number, CheckPoint::Setup);

    for (tick_ = 1; tick_ <= options_.maxTicks; ++tick_) {
        for (const ScriptKey key : keys_.keysAt(number, tick_)) {
            report_.keyPressed(tick_, key);
            if (const auto reason = press(key)) {
                if (*reason == EndReason::Stopped) {
                    verify(number, CheckPoint::Stop);
                }
                return ending(number, tick_, *reason);
            }
        }
        if (!match_.timerEnabled()) {
            continue;
        }
        movedInTick_ = 0;
        match_.tmrPulse_Timer();
        verify(number, CheckPoint::Tick);
        if (!match_.MatchInProgress()) {
            // The tick that ends a match moved exactly one cycle: the winner.
            MatchEnd end = ending(number, tick_, EndReason::Won);
            end.winner = lastMoved_;
            return end;
        }
        if (movedInTick_ == 0) {
            return ending(number, tick_, EndReason::NoCycleMoved);
        }
    }
    return ending(number, options_.maxTicks, EndReason::MaxTicks);
}

// Keys go through the keyboard's own table; Stop, which has no key, is the menu command.
std::optional<EndReason> Runner::press(ScriptKey key) {
    const auto keyboard = keyboardKey(key);
    if (!keyboard) {
        match_.mnuGameStop_Click();
        return EndReason::Stopped;
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
