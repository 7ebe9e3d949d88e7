#pragma once

#include "session/key_script.h"
#include "ui/session_link.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstddef>
#include <vector>

class frmMain;

// Plays a recorded session back in the window (--replay): each line is pressed as the player
// did, at the match and tick it came before, while the window's own timer ticks; what happened
// while no match ran (before the first, between matches, in a pause) comes a moment apart. The
// title says "replay" meanwhile.
//
// The player's arena keys do not steer. Pause holds the replay, and the match with it, and lets
// it go on; Quit and closing end the game. New Game, Stop or a Players, Levels or Boundaries
// choice of the player's ends the replay at once and then does what it always does: the game is
// the player's from there. When the recording ends, a match still running is paused on its last
// picture, and Pause plays on from there.
class SessionReplay : public QObject, public SessionLink {
  public:
    SessionReplay(frmMain& window, const KeyScript& recording);

    // Begins once the window has been shown.
    void start();
    bool finished() const { return done_; }

    bool pass(ScriptKey key) override;
    bool tickStarting() override;

  private:
    bool due(const ScriptLine& line) const;
    bool timerRuns() const;
    void idleStep();
    void press(ScriptKey key);
    // Ends the replay after its last line.
    void goOn();
    bool hold();
    void finish(bool pauseMatch);

    frmMain& window_;
    std::vector<ScriptLine> lines_;
    std::size_t next_ = 0;
    int match_ = 0;
    int ticksRun_ = 0; // in this match
    bool pressing_ = false;
    bool held_ = false;
    bool heldMatch_ = false; // holding paused a running match
    bool done_ = false;
    QTimer idle_;
    QString title_;
};
