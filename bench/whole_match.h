#pragma once

#include "match/match.h"

#include <benchmark/benchmark.h>
#include <cstdint>

// Plays whole matches of one human and six computers, one per iteration, through `outside`, and
// reports the time per move.
inline void playWholeMatches(benchmark::State& state, Outside& outside) {
    RandomSource random(3);
    Match match(outside, random);
    Settings settings;
    settings.ComputerCount = 6;
    std::int64_t moves = 0;
    match.setMoveObserver([&moves](const clsCycle&, MoveResult) { ++moves; });
    for (auto _ : state) {
        match.mnuGameNew_Click(settings);
        for (int tick = 0; tick < 10000 && match.MatchInProgress(); ++tick) {
            match.tmrPulse_Timer();
        }
    }
    state.counters["ns_per_move"] = benchmark::Counter(
        static_cast<double>(moves), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["moves_per_match"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
