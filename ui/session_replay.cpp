#include "ui/session_replay.h"

#include "scores/frmScore.h"
#include "session/script_key.h"
#include "ui/frmMain.h"
#include "ui/menu_choices.h"

#include <QAction>
#include <algorithm>
#include <optional>

namespace {

// While the match timer stands, a line comes this often.
constexpr int IdleMilliseconds = 400;

} // namespace

SessionReplay::SessionReplay(frmMain& window, const KeyScript& recording)
    : window_(window), lines_(recording.lines()) {
    idle_.setInterval(IdleMilliseconds);
    connect(&idle_, &QTimer::timeout, this, &SessionReplay::idleStep);
    // The replay presses these entries through the menus' handlers, never through the entries.
    const auto takeOver = [this] { finish(false); };
    for (const MenuChoice& choice : menuChoices(window.menus())) {
        connect(choice.entry, &QAction::triggered, this, takeOver);
    }
    connect(window.menus().mnuGameBoundaries, &QAction::triggered, this, takeOver);
}

void SessionReplay::start() {
    window_.setSessionLink(this);
    title_ = window_.windowTitle();
    window_.setWindowTitle(title_ + QStringLiteral(" - replay"));
    idle_.start();
    goOn();
}

bool SessionReplay::pass(ScriptKey key) {
    if (pressing_) {
        return true;
    }
    switch (key) {
    case ScriptKey::Pause:
        return hold();
    case ScriptKey::NewGame:
    case ScriptKey::Stop:
        finish(false);
        return true;
    case ScriptKey::Quit:
        return true;
    default:
        return false;
    }
}

// The lines that came before this tick are pressed first. A New Game's match waits for the
// first tick of its own, as it did.
bool SessionReplay::tickStarting() {
    if (held_) {
        return false;
    }
    while (next_ < lines_.size() && due(lines_[next_])) {
        const ScriptKey key = lines_[next_].key;
        if (key == ScriptKey::Quit) {
            finish(true);
            return false;
        }
        ++next_;
        press(key);
        goOn();
        if (done_ || key == ScriptKey::NewGame || !timerRuns()) {
            return false;
        }
    }
    ++ticksRun_;
    return true;
}

bool SessionReplay::due(const ScriptLine& line) const {
    return line.match == match_ && line.tick <= ticksRun_ + 1;
}

bool SessionReplay::timerRuns() const {
    return window_.tmrPulse().isActive();
}

// While the timer stands (before the first match, after a win, in a pause), steps pass without
// ticks: the next line is pressed, however many steps on it came.
void SessionReplay::idleStep() {
    if (held_ || timerRuns()) {
        return;
    }
    const ScriptLine& line = lines_[next_];
    if (line.key == ScriptKey::Quit) {
        finish(true);
        return;
    }
    ticksRun_ = std::max(ticksRun_, line.tick - 1);
    ++next_;
    press(line.key);
    goOn();
}

// As the player pressed it: keys through the arena's key handler, commands through their
// handlers, menu entries through what choosing them does.
void SessionReplay::press(ScriptKey key) {
    pressing_ = true;
    if (key == ScriptKey::Pause) {
        window_.mnuGamePause_Click();
    } else if (key == ScriptKey::Stop) {
        window_.mnuGameStop_Click();
    } else if (key == ScriptKey::NewGame) {
        window_.mnuGameNew_Click();
        ++match_;
        ticksRun_ = 0;
    } else if (const std::optional<Key> steering = keyboardKey(key)) {
        window_.pressGameKey(*steering);
    } else if (key == ScriptKey::ClearScores) {
        window_.scoreWindow().mnuClear_Click();
    } else if (key == ScriptKey::BoundariesOn || key == ScriptKey::BoundariesOff) {
        window_.menus().mnuGameBoundaries->setChecked(key == ScriptKey::BoundariesOn);
    } else {
        window_.settingsMenus().choose(key);
    }
    pressing_ = false;
}

void SessionReplay::goOn() {
    if (next_ == lines_.size()) {
        finish(true);
    }
}

// The player's Pause: a running match pauses with the replay, and resumes with it.
bool SessionReplay::hold() {
    held_ = !held_;
    if (held_) {
        heldMatch_ = timerRuns() && window_.match().MatchInProgress();
        return heldMatch_;
    }
    return std::exchange(heldMatch_, false);
}

void SessionReplay::finish(bool pauseMatch) {
    if (done_) {
        return;
    }
    done_ = true;
    idle_.stop();
    window_.setSessionLink(nullptr);
    window_.setWindowTitle(title_);
    if (pauseMatch && timerRuns() && window_.match().MatchInProgress()) {
        window_.mnuGamePause_Click();
    }
}
