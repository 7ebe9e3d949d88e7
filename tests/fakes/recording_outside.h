#pragma once

#include "arena/outside.h"

#include <string>
#include <vector>

struct TileCopy {
    int sx, sy, x, y;
    bool operator==(const TileCopy&) const = default;
};
using Tiles = std::vector<TileCopy>;
using Events = std::vector<std::string>;

// Records what the rules do to the outside world, in order: one line per call in `events`, except
// tile copies, which go to `tiles`, and refreshes, which are counted.
class RecordingOutside : public Outside {
  public:
    bool wall = true;
    Tiles tiles;
    Events events;
    std::string status;
    bool timerEnabled = false;
    int refreshes = 0;

    void clearArena() override { log("clear arena"); }
    void drawTile(int sx, int sy, int x, int y) override { tiles.push_back({sx, sy, x, y}); }
    void refreshArena() override { ++refreshes; }
    void playSound(std::string_view file) override { log("sound " + std::string(file)); }
    bool edgeIsWall() const override { return wall; }
    void setStatus(const std::string& text) override { log("status " + (status = text)); }
    void showStatus(bool shown) override { log(shown ? "show status" : "hide status"); }
    void addKillScore(int killed, int by) override { log("kill " + n(killed) + " by " + n(by)); }
    void addDeathScore(int dead) override { log("death " + n(dead)); }
    void addPointScore(int player, int add) override { log("points " + n(player) + " +" + n(add)); }
    void enableScoreRow(int p, bool on) override { log((on ? "enable row " : "grey row ") + n(p)); }
    void placeScoreRow(int player) override { log("place row " + n(player)); }
    void setMatchMenus(bool running) override { log(running ? "menus running" : "menus idle"); }
    void setTimerEnabled(bool on) override { log((timerEnabled = on) ? "timer on" : "timer off"); }
    void hideSplash() override { log("hide splash"); }

    void forget() {
        tiles.clear();
        events.clear();
        refreshes = 0;
    }

  private:
    void log(std::string event) { events.push_back(std::move(event)); }
    static std::string n(int number) { return std::to_string(number); }
};
