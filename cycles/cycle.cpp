#include "cycles/cycle.h"

#include "arena/sound_files.h"
#include "arena/tiles.h"

namespace {

bool areOpposite(int a, int b) {
    return (a == Up && b == Down) || (a == Down && b == Up) || (a == Left && b == Right) ||
           (a == Right && b == Left);
}

int headTile(int heading) {
    switch (heading) {
    case Left:
        return Tile::HeadLeft;
    case Up:
        return Tile::HeadUp;
    case Right:
        return Tile::HeadRight;
    default:
        return Tile::HeadDown;
    }
}

// The corner piece joins the side the cycle came in by with the side it leaves by; 0 when the
// pair of headings is no turn.
int cornerTile(int from, int to) {
    if ((from == Up && to == Right) || (from == Left && to == Down)) {
        return Tile::CornerBottomRight;
    }
    if ((from == Right && to == Down) || (from == Up && to == Left)) {
        return Tile::CornerBottomLeft;
    }
    if ((from == Down && to == Right) || (from == Left && to == Up)) {
        return Tile::CornerTopRight;
    }
    if ((from == Down && to == Left) || (from == Right && to == Up)) {
        return Tile::CornerTopLeft;
    }
    return 0;
}

} // namespace

void clsCycle::Initalize(int intX, int intY, int dirDirection, int dirColor, bool blnIsComputer,
                         int intIndex) {
    Index_ = static_cast<std::int16_t>(intIndex);
    world_->Field(intX, intY) = static_cast<std::uint8_t>(Index_);
    X_ = PX_ = intX;
    Y_ = PY_ = intY;
    Direction_ = PDirection_ = dirDirection;
    Active_ = true;
    Color_ = dirColor;
    IsHuman_ = !blnIsComputer;
    Crashed_ = false;
    world_->outside.refreshArena();
}

void clsCycle::setX(int vData) {
    PX_ = X_;
    X_ = vData;
}

void clsCycle::setY(int vData) {
    PY_ = Y_;
    Y_ = vData;
}

void clsCycle::setDirection(int vData) {
    if (!areOpposite(PDirection_, vData)) {
        Direction_ = vData;
    }
}

MoveResult clsCycle::Move() {
    if (!Active_ || Crashed_) {
        return MoveResult::None;
    }
    if (!IsHuman_) {
        steer();
    }
    const int row = Tile::rowOf(Color_);
    drawTile(Direction_ == Up || Direction_ == Down ? Tile::StraightVertical
                                                    : Tile::StraightHorizontal,
             row);

    if (stepForward()) {
        drawCorner();
        if (Direction_ != PDirection_ && IsHuman_) {
            playTurnSound();
        }
        std::uint8_t& cell = world_->Field(X_, Y_);
        if (cell == CellEmpty) {
            cell = static_cast<std::uint8_t>(Index_);
            drawTile(headTile(Direction_), row);
            PDirection_ = Direction_;
            PX_ = X_;
            PY_ = Y_;
            world_->outside.refreshArena();
            return MoveResult::Free;
        }
    }

    std::uint8_t& cell = world_->Field(X_, Y_);
    if (cell == world_->cellClearTail()) {
        // The move is not completed: PDirection, PX and PY keep their values from before it.
        ClearTail();
        drawTile(Tile::Special, Tile::ClearTailTakenY);
        cell = static_cast<std::uint8_t>(Index_);
        return MoveResult::ClearTail;
    }
    world_->outside.playSound(Sound::Crash);
    drawTile(Tile::Crash, row);
    Active_ = false;
    Remove();
    return MoveResult::Crash;
}

// Steps one cell through the X or Y setter, wrapping at the edge unless the edge is a wall.
bool clsCycle::stepForward() {
    switch (Direction_) {
    case Up:
        return stepAlong(Y_, -1, LastRow, &clsCycle::setY);
    case Down:
        return stepAlong(Y_, +1, LastRow, &clsCycle::setY);
    case Left:
        return stepAlong(X_, -1, LastColumn, &clsCycle::setX);
    case Right:
        return stepAlong(X_, +1, LastColumn, &clsCycle::setX);
    default:
        return true; // an unknown heading takes no step, so the cycle runs into its own head
    }
}

bool clsCycle::stepAlong(int from, int delta, int last, void (clsCycle::*set)(int)) {
    const int to = from + delta;
    if (to >= 0 && to <= last) {
        (this->*set)(to);
    } else if (world_->outside.edgeIsWall()) {
        return false;
    } else {
        (this->*set)(delta < 0 ? last : 0);
    }
    return true;
}

void clsCycle::drawCorner() {
    if (const int corner = cornerTile(PDirection_, Direction_)) {
        world_->outside.drawTile(corner, Tile::rowOf(Color_), PX_, PY_);
    }
}

void clsCycle::playTurnSound() {
    world_->random.reseedFromClock();
    const bool low = static_cast<int>(2 * world_->random.draw() + 1) == 1;
    world_->outside.playSound(low ? Sound::Turn2 : Sound::Turn3);
}

bool clsCycle::CollisionDetected() const {
    int nx = X_;
    int ny = Y_;
    switch (Direction_) {
    case Up:
        ny = Y_ - 1;
        break;
    case Down:
        ny = Y_ + 1;
        break;
    case Left:
        nx = X_ - 1;
        break;
    case Right:
        nx = X_ + 1;
        break;
    default:
        break;
    }
    if (!world_->outside.edgeIsWall()) {
        if (ny < 0) {
            ny = LastRow;
        } else if (ny > LastRow) {
            ny = 0;
        }
        if (nx < 0) {
            nx = LastColumn;
        } else if (nx > LastColumn) {
            nx = 0;
        }
    }
    return !Grid::contains(nx, ny) || world_->Field(nx, ny) != CellEmpty;
}
