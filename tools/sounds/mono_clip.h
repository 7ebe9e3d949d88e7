#pragma once

#include <cstdint>
#include <vector>

// A mono sound of signed 16-bit samples.
struct MonoClip {
    int sampleRate = 44100;
    std::vector<std::int16_t> samples;
};
