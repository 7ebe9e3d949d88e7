#pragma once

#include "null_outside.h"
#include "ui/arena_view.h"

// The rules' outside world reduced to the arena: tile copies, clears and refreshes go to a real
// ArenaView, everything else is dropped.
class ArenaOutside : public NullOutside {
  public:
    explicit ArenaOutside(ArenaView& arena) : arena_(arena) {}

    void clearArena() override {
        if (drawing) {
            arena_.clear();
        }
    }
    void drawTile(int sx, int sy, int x, int y) override {
        if (drawing) {
            arena_.drawTile(sx, sy, x, y);
        }
    }
    void refreshArena() override {
        if (drawing) {
            arena_.refresh();
        }
    }

    // Off while matches are set up outside the timed loop, where only the ticks count.
    bool drawing = true;

  private:
    ArenaView& arena_;
};
