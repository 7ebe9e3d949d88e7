#include "arena/levels.h"
#include "arena/tiles.h"
#include "arena_outside.h"
#include "match_pool.h"
#include "whole_match.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Times ticks of eight cycles on level six drawing into the arena; with `repaint`, the cells each
// tick changed are painted into the window's backing store before the next tick, as the event
// loop does between ticks in the game. Setting matches up draws nothing.
void timeTicksDrawingInto(benchmark::State& state, ArenaView& arena, bool repaint) {
    ArenaOutside outside(arena);
    outside.drawing = false;
    MatchPool pool(outside, eightCyclesOnLevelSix(), PooledMatches, TicksWithEightCyclesInPlay);
    outside.drawing = true;
    const auto refillWithoutDrawing = [&] {
        outside.drawing = false;
        const int out = pool.refill();
        outside.drawing = true;
        return out;
    };
    int cyclesOut = 0;
    for (auto _ : state) {
        if (pool.usedUp()) {
            state.PauseTiming();
            cyclesOut += refillWithoutDrawing();
            state.ResumeTiming();
        }
        pool.tick();
        if (repaint) {
            QCoreApplication::processEvents();
        }
    }
    state.counters["cycles_out"] = cyclesOut + refillWithoutDrawing();
}

// Not on screen: a refresh only marks the changed cells, and as nothing paints, the tile painter
// stays open from tick to tick.
void TickOfEightCyclesWithDrawing(benchmark::State& state) {
    ArenaView arena;
    timeTicksDrawingInto(state, arena, false);
}
BENCHMARK(TickOfEightCyclesWithDrawing);

// On Qt's offscreen screen: every paint ends the tile painter, and the next tick opens it again.
void TickOfEightCyclesWithDrawingAndRepaint(benchmark::State& state) {
    ArenaView arena;
    arena.show();
    QCoreApplication::processEvents();
    timeTicksDrawingInto(state, arena, true);
}
BENCHMARK(TickOfEightCyclesWithDrawingAndRepaint);

// All 2,867 cells painted with the empty tile, and the refresh that follows in a new game.
void ClearFieldIntoTheArena(benchmark::State& state) {
    ArenaView arena;
    ArenaOutside outside(arena);
    RandomSource random(1);
    World world(outside, random);
    for (auto _ : state) {
        ClearField(world);
        outside.refreshArena();
    }
}
BENCHMARK(ClearFieldIntoTheArena)->Unit(benchmark::kMicrosecond);

// One tile copy among many, as in ClearField or ClearTail.
void OneTileCopy(benchmark::State& state) {
    ArenaView arena;
    int cell = 0;
    for (auto _ : state) {
        arena.drawTile(Tile::HeadRight, Tile::rowOf(2), cell % FieldColumns, cell / FieldColumns);
        cell = (cell + 1) % (FieldColumns * FieldRows);
    }
    arena.refresh();
}
BENCHMARK(OneTileCopy);

// One tile copy on its own, followed by its refresh.
void OneTileCopyAndRefresh(benchmark::State& state) {
    ArenaView arena;
    int cell = 0;
    for (auto _ : state) {
        arena.drawTile(Tile::HeadRight, Tile::rowOf(2), cell % FieldColumns, cell / FieldColumns);
        arena.refresh();
        cell = (cell + 1) % (FieldColumns * FieldRows);
    }
}
BENCHMARK(OneTileCopyAndRefresh);

// Whole matches of one human and six computers drawn into the arena's image, reported per move.
void WholeMatchPerMoveWithDrawing(benchmark::State& state) {
    ArenaView arena;
    ArenaOutside outside(arena);
    playWholeMatches(state, outside);
}
BENCHMARK(WholeMatchPerMoveWithDrawing)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // The arena is drawn without a display, unless a platform was chosen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
