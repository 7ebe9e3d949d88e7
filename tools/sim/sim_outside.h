#pragma once

#include "arena/outside.h"
#include "scores/tallies.h"

#include <string>

// The world outside the rules, without a display: score bookings go to a score table, the edge
// is a wall as --wrap or a recording's Boundaries says, the status line is kept as text; pictures,
// sounds, score rows, menus, the timer and the splash have nothing to show and are ignored.
class SimOutside : public Outside {
  public:
    explicit SimOutside(bool edgeIsWall) : wall_(edgeIsWall) {}

    const ScoreTable& scores() const { return scores_; }
    const std::string& status() const { return status_; }
    void setEdgeIsWall(bool wall) { wall_ = wall; }
    void clearScores() { scores_.clear(); }

    void clearArena() override {}
    void drawTile(int, int, int, int) override {}
    void refreshArena() override {}
    void playSound(std::string_view) override {}
    bool edgeIsWall() const override { return wall_; }
    void setStatus(const std::string& text) override { status_ = text; }
    void showStatus(bool) override {}
    void addKillScore(int killed, int killer) override { scores_.AddKillScore(killed, killer); }
    void addDeathScore(int dead) override { scores_.AddDeathScore(dead); }
    void addPointScore(int player, int points) override { scores_.AddPointScore(player, points); }
    void enableScoreRow(int, bool) override {}
    void placeScoreRow(int) override {}
    void setMatchMenus(bool) override {}
    void setTimerEnabled(bool) override {}
    void hideSplash() override {}

  private:
    bool wall_;
    ScoreTable scores_;
    std::string status_;
};
