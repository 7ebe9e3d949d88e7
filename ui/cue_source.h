#pragma once

#include "ui/wave_file.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>

// What the sound output plays: one cue at a time, from its first sample, until it ends or the
// next cue replaces it. The game starts and stops cues; the output's own thread reads the
// samples. Both may call at any time.
class CueSource {
  public:
    using Clock = std::chrono::steady_clock;

    // Replaces whatever plays, even the same cue, with `cue` from its first sample.
    void start(std::shared_ptr<const Cue> cue);
    // Silence until the next start.
    void stop();

    // Copies up to `size` bytes of the cue from where it stands, whole frames only, and moves
    // on; 0 once it has ended.
    std::size_t read(char* data, std::size_t size);

    // The playing cue's format (invalid when nothing plays) and when it started.
    CueFormat format() const;
    Clock::time_point startedAt() const;

  private:
    mutable std::mutex mutex_;
    std::shared_ptr<const Cue> cue_;
    qsizetype position_ = 0;
    Clock::time_point startedAt_;
};
