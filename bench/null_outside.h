#pragma once

#include "arena/outside.h"

// An outside world that does nothing: what the rules cost on their own.
class NullOutside : public Outside {
  public:
    void clearArena() override {}
    void drawTile(int, int, int, int) override {}
    void refreshArena() override {}
    void playSound(std::string_view) override {}
    bool edgeIsWall() const override { return true; }
    void setStatus(const std::string&) override {}
    void showStatus(bool) override {}
    void addKillScore(int, int) override {}
    void addDeathScore(int) override {}
    void addPointScore(int, int) override {}
    void enableScoreRow(int, bool) override {}
    void placeScoreRow(int) override {}
    void setMatchMenus(bool) override {}
    void setTimerEnabled(bool) override {}
    void hideSplash() override {}
};
