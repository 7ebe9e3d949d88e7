#include "arena/levels.h"
#include "match/match.h"
#include "match_pool.h"
#include "null_outside.h"
#include "whole_match.h"

#include <benchmark/benchmark.h>

namespace {

// One tick with eight cycles in play. The matches are set up ahead, outside the timed loop.
void TickOfEightCyclesRulesOnly(benchmark::State& state) {
    NullOutside outside;
    MatchPool pool(outside, eightCyclesOnLevelSix(), PooledMatches, TicksWithEightCyclesInPlay);
    int cyclesOut = 0;
    for (auto _ : state) {
        if (pool.usedUp()) {
            state.PauseTiming();
            cyclesOut += pool.refill();
            state.ResumeTiming();
        }
        pool.tick();
    }
    state.counters["cycles_out"] = cyclesOut + pool.refill();
}
BENCHMARK(TickOfEightCyclesRulesOnly);

void LoadResLevelSix(benchmark::State& state) {
    NullOutside outside;
    RandomSource random(1);
    World world(outside, random);
    world.CycleCount = 8;
    for (auto _ : state) {
        LoadRes(world, "106");
        benchmark::DoNotOptimize(world.Field(0, 0));
    }
}
BENCHMARK(LoadResLevelSix);

void LoadRandomLevel(benchmark::State& state) {
    NullOutside outside;
    RandomSource random;
    World world(outside, random);
    world.CycleCount = 8;
    for (auto _ : state) {
        LoadRandom(world);
        benchmark::DoNotOptimize(world.Field(10, 0));
    }
}
BENCHMARK(LoadRandomLevel);

void ClearFieldRulesOnly(benchmark::State& state) {
    NullOutside outside;
    RandomSource random(1);
    World world(outside, random);
    for (auto _ : state) {
        ClearField(world);
        benchmark::DoNotOptimize(world.Field(0, 0));
    }
}
BENCHMARK(ClearFieldRulesOnly);

// ClearTail of a 600-cell trail (the cycle laid it in a snake across the arena). Putting the trail
// back is a copy of the 2,867-byte grid inside the timed loop: a few per cent of the figure, less
// than pausing the timer would add.
void ClearTailOfALongTrail(benchmark::State& state) {
    NullOutside outside;
    RandomSource random(1);
    World world(outside, random);
    world.CycleCount = 2;
    clsCycle cycle(world);
    cycle.Initalize(0, 0, Right, 0, false, 1);
    for (int cell = 1; cell < 600; ++cell) {
        world.Field(cell % FieldColumns, cell / FieldColumns) = 1;
    }
    const Grid trail = world.Field;
    for (auto _ : state) {
        world.Field = trail;
        cycle.ClearTail();
        benchmark::DoNotOptimize(world.Field(1, 0));
    }
}
BENCHMARK(ClearTailOfALongTrail);

// Whole matches of one human and six computers, reported per move.
void WholeMatchPerMove(benchmark::State& state) {
    NullOutside outside;
    playWholeMatches(state, outside);
}
BENCHMARK(WholeMatchPerMove)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
