#pragma once

#include "arena/outside.h"

#include <functional>

class ArenaView;
class GameMenus;
class QLabel;
class QTimer;
class QWidget;
class SoundPlayer;
class frmScore;

// What the rules do to the game window: the arena, the sounds, the status line, the score
// window, the menus, the timer and the splash.
class WindowOutside : public Outside {
  public:
    struct Parts {
        ArenaView& picField;
        QLabel& lblStatus;
        QWidget& picSplash;
        QTimer& tmrPulse;
        GameMenus& menus;
        SoundPlayer& sounds;
        // The score window, created hidden on first use.
        std::function<frmScore&()> scoreWindow;
    };

    explicit WindowOutside(Parts parts) : parts_(std::move(parts)) {}

    void clearArena() override;
    void drawTile(int sx, int sy, int x, int y) override;
    void refreshArena() override;
    void playSound(std::string_view file) override;
    bool edgeIsWall() const override;
    void setStatus(const std::string& text) override;
    void showStatus(bool visible) override;
    void addKillScore(int killed, int killer) override;
    void addDeathScore(int dead) override;
    void addPointScore(int player, int points) override;
    void enableScoreRow(int player, bool enabled) override;
    void placeScoreRow(int player) override;
    void setMatchMenus(bool matchRunning) override;
    void setTimerEnabled(bool enabled) override;
    void hideSplash() override;

  private:
    Parts parts_;
};
