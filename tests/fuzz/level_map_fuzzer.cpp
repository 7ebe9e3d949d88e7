// Feeds arbitrary bytes to the level-map walker. The first byte picks the number of cycle slots
// (2 to 8), the rest is the map. Any broken expectation aborts, which libFuzzer reports as a crash.
// (The level maps that seed the corpus thus lose their first byte, a border dash, to the choice.)
//
// The world lives on the heap, so AddressSanitizer sees a write past it; a write that stays inside
// the World object but outside the grid trips the standard library's bounds check on the grid's
// array (_GLIBCXX_ASSERTIONS).

#include "arena/levels.h"
#include "arena/tiles.h"
#include "fakes/recording_outside.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

namespace {

constexpr int MinCycleCount = 2;
constexpr int MaxCycleCount = 8;
constexpr std::uint8_t CarriageReturn = 13;
constexpr std::uint8_t Unreached = 0xFF;

using Codes = std::array<std::array<std::uint8_t, FieldRows>, FieldColumns>;
using Counts = std::array<std::array<int, FieldRows>, FieldColumns>;

void require(bool holds, const char* what, int x = -1, int y = -1) {
    if (!holds) {
        std::fprintf(stderr, "level_map_fuzzer: %s (cell %d, %d)\n", what, x, y);
        std::abort();
    }
}

// Some of every code the walker may leave, so that a cell it must not touch shows if it changed.
std::uint8_t startingCode(const World& world, int x, int y) {
    switch ((x + 2 * y) % 3) {
    case 0:
        return CellEmpty;
    case 1:
        return world.cellMine();
    default:
        return world.cellClearTail();
    }
}

// The code the map gives each cell it reaches, Unreached elsewhere. The map is read as lines, each
// ending at a CR with the byte after the CR skipped; byte j of line k is cell (j, k).
Codes mapCodes(const World& world, std::span<const std::uint8_t> map) {
    Codes codes;
    for (auto& column : codes) {
        column.fill(Unreached);
    }
    std::size_t row = 0;
    std::size_t start = 0;
    while (start < map.size()) {
        std::size_t end = start;
        while (end < map.size() && map[end] != CarriageReturn) {
            ++end;
        }
        for (std::size_t column = 0; column < end - start; ++column) {
            if (column < FieldColumns && row < FieldRows) {
                const std::uint8_t byte = map[start + column];
                codes[column][row] = byte == 'X'   ? world.cellMine()
                                     : byte == 'C' ? world.cellClearTail()
                                                   : CellEmpty;
            }
        }
        ++row;
        start = end + 2;
    }
    return codes;
}

// Every tile is a mine or tail-clearing tile, drawn inside the grid on a cell holding that code.
// Returns how often each cell was drawn.
Counts checkTiles(const World& world, const std::vector<TileCopy>& tiles) {
    Counts drawn{};
    for (const TileCopy& tile : tiles) {
        require(Grid::contains(tile.x, tile.y), "a tile drawn outside the grid", tile.x, tile.y);
        require(tile.sx == Tile::Special && (tile.sy == Tile::MineY || tile.sy == Tile::ClearTailY),
                "a tile that is neither mine nor tail-clearing cell", tile.x, tile.y);
        const std::uint8_t code = world.Field(tile.x, tile.y);
        require(code == (tile.sy == Tile::MineY ? world.cellMine() : world.cellClearTail()),
                "a tile that does not match its cell", tile.x, tile.y);
        ++drawn[tile.x][tile.y];
    }
    return drawn;
}

// Cells the map reaches follow it, the others keep their code; each obstacle the map places is
// drawn exactly once, and nothing else is drawn.
void checkCells(const World& world, const Codes& before, const Codes& fromMap,
                const Counts& drawn) {
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            const std::uint8_t code = world.Field(x, y);
            require(code == CellEmpty || code == world.cellMine() || code == world.cellClearTail(),
                    "a cell holding neither empty, mine nor tail-clearing code", x, y);
            const bool reached = fromMap[x][y] != Unreached;
            require(code == (reached ? fromMap[x][y] : before[x][y]),
                    reached ? "a cell that does not follow the map"
                            : "a cell beyond the map changed",
                    x, y);
            const bool obstacle = reached && fromMap[x][y] != CellEmpty;
            require(drawn[x][y] == (obstacle ? 1 : 0),
                    obstacle ? "an obstacle not drawn exactly once"
                             : "a tile drawn on a clear cell",
                    x, y);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto cycleCount =
        static_cast<std::int16_t>(MinCycleCount + data[0] % (MaxCycleCount - MinCycleCount + 1));
    const std::span<const std::uint8_t> map(data + 1, size - 1);

    RecordingOutside outside;
    RandomSource random(1);
    const auto world = std::make_unique<World>(outside, random);
    world->CycleCount = cycleCount;
    Codes before{};
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            before[x][y] = startingCode(*world, x, y);
            world->Field(x, y) = before[x][y];
        }
    }

    walkLevelMap(*world, map);

    require(world->CycleCount == cycleCount, "the slot count changed");
    const Counts drawn = checkTiles(*world, outside.tiles);
    checkCells(*world, before, mapCodes(*world, map), drawn);
    return 0;
}
