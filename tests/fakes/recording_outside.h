#pragma once

#include "arena/outside.h"

#include <string>
#include <vector>

struct TileCopy {
    int sx, sy, x, y;
    bool operator==(const TileCopy&) const = default;
};

// Records what the rules do to the outside world, in order. `events` keeps one line per call
// (tile copies excepted, which go to `tiles`), so that tests can assert sequences.
class RecordingOutside : public Outside {
  public:
    bool wall = true;
    std::vector<TileCopy> tiles;
    std::vector<std::string> events;
    std::vector<std::string> sounds;
    std::string status;
    bool statusVisible = true;
    bool timerEnabled = false;
    bool matchMenus = false;
    int refreshes = 0;

    void clearArena() override { events.push_back("clear arena"); }
    void drawTile(int sx, int sy, int x, int y) override { tiles.push_back({sx, sy, x, y}); }
    void refreshArena() override { ++refreshes; }
    void playSound(std::string_view file) override {
        sounds.emplace_back(file);
        events.push_back("sound " + std::string(file));
    }
    bool edgeIsWall() const override { return wall; }
    void setStatus(const std::string& text) override {
        status = text;
        events.push_back("status " + text);
    }
    void showStatus(bool visible) override {
        statusVisible = visible;
        events.push_back(visible ? "show status" : "hide status");
    }
    void addKillScore(int killed, int killer) override {
        events.push_back("kill " + std::to_string(killed) + " by " + std::to_string(killer));
    }
    void addDeathScore(int dead) override { events.push_back("death " + std::to_string(dead)); }
    void addPointScore(int player, int points) override {
        events.push_back("points " + std::to_string(player) + " +" + std::to_string(points));
    }
    void enableScoreRow(int player, bool enabled) override {
        events.push_back((enabled ? "enable row " : "grey row ") + std::to_string(player));
    }
    void placeScoreRow(int player) override {
        events.push_back("place row " + std::to_string(player));
    }
    void setMatchMenus(bool running) override {
        matchMenus = running;
        events.push_back(running ? "menus running" : "menus idle");
    }
    void setTimerEnabled(bool enabled) override {
        timerEnabled = enabled;
        events.push_back(enabled ? "timer on" : "timer off");
    }
    void hideSplash() override { events.push_back("hide splash"); }

    void forget() {
        tiles.clear();
        events.clear();
        sounds.clear();
        refreshes = 0;
    }
};
