#pragma once

#include "arena/grid.h"
#include "arena/outside.h"
#include "arena/random_source.h"

#include <cstdint>

// The state every rule shares during a match: the grid, the number of cycle slots, the random
// source and the outside world.
struct World {
    World(Outside& out, RandomSource& rnd) : outside(out), random(rnd) {}

    Grid Field;
    std::int16_t CycleCount = 0;
    Outside& outside;
    RandomSource& random;

    // Obstacle codes follow the number of slots; N + 2 is never used.
    std::uint8_t cellMine() const { return static_cast<std::uint8_t>(CycleCount + 1); }
    std::uint8_t cellClearTail() const { return static_cast<std::uint8_t>(CycleCount + 3); }
};
