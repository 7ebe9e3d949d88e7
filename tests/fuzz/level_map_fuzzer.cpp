// Feeds arbitrary bytes to the level-map walker. The first byte picks the number of cycle slots
// (2 to 8), the rest is the map. Any broken expectation aborts, which libFuzzer reports as a crash.
// (The level maps that seed the corpus thus lose their first byte, a border dash, to the choice.)
//
// The world lives on the heap, so AddressSanitizer sees a write past it; a write that stays inside
// the World object but outside the grid trips the standard library's bounds check on the grid's
// array (_GLIBCXX_ASSERTIONS).

#include "arena/levels.h"
#include "fakes/recording_outside.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace {

using Codes = std::array<std::array<std::uint8_t, FieldRows>, FieldColumns>;

// Aborts naming what broke and, unless -1, the cell concerned.
void require(bool holds, const char* what, int x = -1, int y = -1) {
    if (!holds) {
        std::fprintf(stderr, "level_map_fuzzer: %s (cell %d, %d)\n", what, x, y);
        std::abort();
    }
}

// What the map should do, read independently of the walker: as lines, each ending at a CR with
// the byte after the CR skipped, byte j of line k being cell (j, k). Sets the codes of the cells
// it reaches and returns the tiles it draws: the mine at (140, 10), the tail-clearing cell at
// (140, 20).
std::vector<TileCopy> applyByLines(const World& world, Codes& grid,
                                   std::span<const std::uint8_t> map) {
    std::vector<TileCopy> tiles;
    for (std::size_t row = 0, start = 0; start < map.size(); ++row) {
        const auto line = map.subspan(start);
        const auto length = std::find(line.begin(), line.end(), '\r') - line.begin();
        for (int x = 0; x < length && x < FieldColumns && row < FieldRows; ++x) {
            const int y = static_cast<int>(row);
            grid[x][y] = line[x] == 'X'   ? world.cellMine()
                         : line[x] == 'C' ? world.cellClearTail()
                                          : CellEmpty;
            if (grid[x][y] != CellEmpty) {
                tiles.push_back({140, grid[x][y] == world.cellMine() ? 10 : 20, x, y});
            }
        }
        start += static_cast<std::size_t>(length) + 2;
    }
    return tiles;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    RecordingOutside outside;
    RandomSource random(1);
    const auto world = std::make_unique<World>(outside, random);
    world->CycleCount = static_cast<std::int16_t>(2 + data[0] % 7);
    // Some of every code the walker may leave, so that a cell it must not touch shows if it
    // changed.
    const std::uint8_t codes[] = {CellEmpty, world->cellMine(), world->cellClearTail()};
    Codes expected;
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            world->Field(x, y) = expected[x][y] = codes[(x + 2 * y) % 3];
        }
    }
    const std::span<const std::uint8_t> map(data + 1, size - 1);
    walkLevelMap(*world, map);

    const std::vector<TileCopy> tiles = applyByLines(*world, expected, map);
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            require(world->Field(x, y) == expected[x][y],
                    "a cell unlike the map, or beyond it changed", x, y);
        }
    }
    require(
        std::is_permutation(outside.tiles.begin(), outside.tiles.end(), tiles.begin(), tiles.end()),
        "the tiles drawn are not one per obstacle the map places, with its picture");
    return 0;
}
