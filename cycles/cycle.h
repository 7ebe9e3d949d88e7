#pragma once

#include "arena/world.h"

#include <cstdint>

// Headings; 0/1 and 2/3 are opposite.
enum Heading : int { Up = 0, Down = 1, Left = 2, Right = 3 };

enum class MoveResult { None, Free, ClearTail, Crash };

// One cycle of the current match.
class clsCycle {
  public:
    explicit clsCycle(World& world) : world_(&world) {}

    void Initalize(int intX, int intY, int dirDirection, int dirColor, bool blnIsComputer,
                   int intIndex);

    MoveResult Move();
    bool CollisionDetected() const;
    void ClearTail();
    void Remove();

    // Setting X or Y first saves the old value in PX or PY.
    int X() const { return X_; }
    void setX(int vData);
    int Y() const { return Y_; }
    void setY(int vData);
    int PX() const { return PX_; }
    void setPX(int vData) { PX_ = vData; }
    int PY() const { return PY_; }
    void setPY(int vData) { PY_ = vData; }

    // A heading opposite to PDirection (the last completed move's) is refused silently.
    int Direction() const { return Direction_; }
    void setDirection(int vData);
    int PDirection() const { return PDirection_; }
    void setPDirection(int vData) { PDirection_ = vData; }

    bool Active() const { return Active_; }
    void setActive(bool vData) { Active_ = vData; }
    bool IsHuman() const { return IsHuman_; }
    void setIsHuman(bool vData) { IsHuman_ = vData; }
    bool Crashed() const { return Crashed_; }
    void setCrashed(bool vData) { Crashed_ = vData; }

    int Color() const { return Color_; }
    int selIndex() const { return Index_; }

  private:
    void steer();
    void drawTile(int sx, int sy) const { world_->outside.drawTile(sx, sy, X_, Y_); }
    bool stepForward(); // false when a wall stopped the step
    bool stepAlong(int from, int delta, int last, void (clsCycle::*set)(int));
    void drawCorner();
    void playTurnSound();
    void announceElimination(std::uint8_t cause);

    World* world_;
    int Direction_ = 0;
    int PDirection_ = 0;
    int X_ = 0;
    int Y_ = 0;
    int PX_ = 0;
    int PY_ = 0;
    bool Active_ = false;
    int Color_ = 0;
    std::int16_t Index_ = 0;
    bool IsHuman_ = false;
    bool Crashed_ = false;
};
