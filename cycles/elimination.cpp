#include "arena/tiles.h"
#include "cycles/cycle.h"

#include <string>

void clsCycle::ClearTail() {
    if (Index_ == 0) {
        return;
    }
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            if (world_->Field(x, y) == Index_ && (x != X_ || y != Y_)) {
                world_->Field(x, y) = CellEmpty;
                world_->outside.drawTile(Tile::Special, Tile::EmptyY, x, y);
            }
        }
    }
}

void clsCycle::Remove() {
    if (Index_ == 0) {
        return;
    }
    ClearTail();
    if (!Active_) {
        Crashed_ = true;
        Active_ = false;
        announceElimination(world_->Field(X_, Y_));
    }
    world_->outside.refreshArena();
}

// The cell the cycle ran into names the cause: its own trail, a mine, or another player.
void clsCycle::announceElimination(std::uint8_t cause) {
    Outside& outside = world_->outside;
    std::string text = "Player " + std::to_string(Index_) + (IsHuman_ ? " " : " (Computer) ");
    if (cause == Index_) {
        outside.addDeathScore(Index_);
        text += "died by the blade of his own light cycle";
    } else if (cause == world_->cellMine()) {
        outside.addDeathScore(Index_);
        text += "ran into a land mine";
    } else {
        outside.addKillScore(Index_, cause);
        text += "was annihilated by Player " + std::to_string(cause);
    }
    outside.setStatus(text + " and is out of the match!");
    outside.enableScoreRow(Index_, false);
}
