#pragma once

#include <cstdint>

// The program's one random source. Re-seeding from the clock mixes the clock reading into the
// current state rather than replacing it, so two re-seeds within one clock reading still give
// different draws. A source built from a fixed seed ignores the clock and is reproducible.
class RandomSource {
  public:
    RandomSource();                            // seeded from the clock
    explicit RandomSource(std::uint64_t seed); // reproducible: re-seeds mix in no clock

    void reseedFromClock();
    double draw(); // uniform in [0, 1)

    bool isFixed() const { return fixed_; }
    std::uint64_t seed() const { return seed_; }

  private:
    void mix(std::uint64_t value);
    std::uint64_t next();

    std::uint64_t state_[4]{};
    std::uint64_t seed_ = 0;
    bool fixed_ = false;
};
