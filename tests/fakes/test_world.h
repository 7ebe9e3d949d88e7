#pragma once

#include "arena/world.h"
#include "cycles/cycle.h"
#include "fakes/recording_outside.h"

// A world with a recording outside and a fixed-seed random source, for rules tests.
struct TestWorld {
    explicit TestWorld(int cycleCount = 3, std::uint64_t seed = 42) : random(seed) {
        world.CycleCount = static_cast<std::int16_t>(cycleCount);
    }

    clsCycle place(int x, int y, int heading, int slot, bool computer = false, int color = 0) {
        clsCycle cycle(world);
        cycle.Initalize(x, y, heading, color, computer, slot);
        out.forget();
        return cycle;
    }

    RecordingOutside out;
    RandomSource random;
    World world{out, random};
};
