#pragma once

#include "arena/random_source.h"
#include "match/match.h"
#include "match/settings.h"

#include <cstdint>
#include <deque>

// Matches set up ahead of the timed loop, each replaying a fixed seed whose first few ticks keep
// every cycle in play (the computers sometimes wander into the border early). Each match serves
// those ticks, then the next takes over; when all are used up the benchmark pauses its timer once
// and sets them all up again. One pause per few hundred ticks keeps the timer's own cost out of a
// figure of a microsecond.
class MatchPool {
  public:
    MatchPool(Outside& outside, Settings settings, int matches, int ticksPerMatch)
        : settings_(std::move(settings)), ticksPerMatch_(ticksPerMatch) {
        for (std::uint64_t seed = 1; static_cast<int>(matches_.size()) < matches; ++seed) {
            Seeded& seeded = matches_.emplace_back(outside, seed);
            seeded.match.mnuGameNew_Click(settings_);
            for (int tick = 0; tick < ticksPerMatch_; ++tick) {
                seeded.match.tmrPulse_Timer();
            }
            if (cyclesOutOfPlay(seeded.match) > 0) {
                matches_.pop_back();
            }
        }
        refill();
    }

    bool usedUp() const { return next_ == matches_.end(); }

    void tick() {
        next_->match.tmrPulse_Timer();
        if (++ticks_ == ticksPerMatch_) {
            ticks_ = 0;
            ++next_;
        }
    }

    // Sets every match up afresh from its seed; returns how many cycles went out of play in the
    // ticks since the last refill, which is none as long as the replays hold.
    int refill() {
        int out = 0;
        for (Seeded& seeded : matches_) {
            out += cyclesOutOfPlay(seeded.match);
            seeded.random = RandomSource(seeded.seed);
            seeded.match.mnuGameNew_Click(settings_);
        }
        next_ = matches_.begin();
        ticks_ = 0;
        return out;
    }

  private:
    struct Seeded {
        Seeded(Outside& outside, std::uint64_t s) : seed(s), random(s), match(outside, random) {}

        std::uint64_t seed;
        RandomSource random;
        Match match;
    };

    static int cyclesOutOfPlay(const Match& match) {
        int out = 0;
        for (int slot = 1; slot <= match.CycleCount(); ++slot) {
            out += match.cycle(slot)->Crashed() ? 1 : 0;
        }
        return out;
    }

    const Settings settings_;
    const int ticksPerMatch_;
    std::deque<Seeded> matches_;
    std::deque<Seeded>::iterator next_;
    int ticks_ = 0;
};

// Two humans and six computers on level six: eight cycles, the most a tick moves.
inline Settings eightCyclesOnLevelSix() {
    Settings settings;
    settings.HumanCount = 2;
    settings.ComputerCount = 6;
    settings.LevelChoice = "106";
    return settings;
}

// The humans drive straight and would reach the crosses of level six on their eighth move.
inline constexpr int TicksWithEightCyclesInPlay = 7;
inline constexpr int PooledMatches = 32;
