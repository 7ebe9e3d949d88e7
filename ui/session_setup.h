#pragma once

#include "session/key_script.h"
#include "ui/command_line.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

class SessionRecorder;
class SessionReplay;
class frmMain;

// What --record and --replay ask of the game, before and after its window exists.
class SessionSetup {
  public:
    // Reads the recording to replay (a damaged one is told on stderr at once and not replayed),
    // or creates the file to record to, with a seed drawn from the clock unless --seed gives one.
    explicit SessionSetup(const GameOptions& options);
    ~SessionSetup();

    // The seed the window starts with: the recording's, the one recorded, or --seed's.
    std::optional<std::uint64_t> seed() const { return seed_; }

    // Why the session cannot be recorded; empty when it can, or when nothing is recorded.
    QString recordingProblem() const;

    // Joins the shown window: starts recording or replaying, or tells the player, over the
    // window, why the recording cannot be replayed.
    void join(frmMain& window);

  private:
    std::optional<std::uint64_t> seed_;
    std::unique_ptr<SessionRecorder> recorder_;
    std::optional<KeyScript> recording_;
    std::unique_ptr<SessionReplay> replay_;
    QString replayProblem_;
};
