#pragma once

#include "ui/wave_file.h"

#include <memory>

class CueSource;

// The platform's sound output, playing what a CueSource holds. It never waits for the sound
// server: without one, or while one is slow, cues are silent and the game goes on.
class CueOutput {
  public:
    virtual ~CueOutput() = default;

    // Starts `cue` in the source and plays it from its first sample, cutting off what plays.
    virtual void play(std::shared_ptr<const Cue> cue) = 0;
    // Silence at once.
    virtual void stop() = 0;
};

// Opens the output that plays `source`, which must outlive it.
std::unique_ptr<CueOutput> openCueOutput(CueSource& source);
