#include "arena/levels.h"
#include "fakes/test_world.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

// With 3 slots a mine holds code 4 and a tail-clearing cell code 6; 7 marks an untouched cell.
namespace {

void fill(World& world, std::uint8_t code) {
    for (int cell = 0; cell < 61 * 47; ++cell) {
        world.Field(cell / 47, cell % 47) = code;
    }
}

int countOf(const World& world, std::uint8_t code) {
    int count = 0;
    for (int cell = 0; cell < 61 * 47; ++cell) {
        count += world.Field(cell / 47, cell % 47) == code;
    }
    return count;
}

} // namespace

// The shipped maps' lengths, trailing bytes and obstacles, and cells named in their design:
// columns x0 to x1 of rows y0 to y1 hold `code`.
TEST(LevelMaps, ShippedMapsHaveTheirBytesObstaclesAndDesignedCells) {
    using Shipped = std::tuple<int, std::size_t, std::string_view, int, int>;
    const std::array<int, 6> spans[] = {
        {101, 0, 60, 0, 0, 0},   {101, 0, 60, 46, 46, 0},  {101, 0, 0, 0, 46, 0},
        {101, 60, 60, 0, 46, 0}, {103, 29, 29, 21, 21, 6}, {103, 30, 30, 2, 5, 4},
        {103, 60, 60, 2, 5, 0},  {103, 0, 0, 3, 6, 0},     {104, 0, 5, 46, 46, 4},
        {104, 6, 55, 46, 46, 0}, {104, 56, 60, 46, 46, 4}};
    const Shipped maps[] = {
        {101, 2960, {"-\0", 2}, 4, 0},           {102, 2960, {"-\0", 2}, 32, 0},
        {103, 2968, {"-\r\n\0\0\0", 6}, 19, 1},  {104, 2964, {"X\r\n\r\n\0", 6}, 37, 0},
        {105, 2964, {"X\r\n\r\n\0", 6}, 216, 0}, {106, 2964, {"X\r\n\r\n\0", 6}, 253, 0}};
    for (const auto& [id, length, ending, mines, clearTails] : maps) {
        SCOPED_TRACE(id);
        const auto bytes = levelResource(id);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(bytes->size(), length);
        EXPECT_TRUE(std::string(bytes->begin(), bytes->end()).ends_with(ending));
        TestWorld t;
        LoadRes(t.world, std::to_string(id));
        EXPECT_EQ(std::tuple(countOf(t.world, 4), countOf(t.world, 6), countOf(t.world, 0)),
                  std::tuple(mines, clearTails, 61 * 47 - mines - clearTails));
        EXPECT_EQ(std::ssize(t.out.tiles), mines + clearTails);
        for (const auto& [level, x0, x1, y0, y1, code] : spans) {
            for (int x = x0; x <= x1 && level == id; ++x) {
                for (int y = y0; y <= y1; ++y) {
                    EXPECT_EQ(t.world.Field(x, y), code) << x << ',' << y;
                }
            }
        }
    }
}

// The walker on a grid of untouched cells writes `written` cells, among them `cells` (in the order
// walked); it draws each X and C among them and nothing else. Unknown levels, loaded first, write
// and draw nothing.
TEST(LevelMaps, TheWalkerWritesCoveredCellsOnlyAndSkipsTheByteAfterACarriageReturn) {
    using Walk = std::tuple<std::string, int, std::vector<std::array<int, 3>>>;
    // 47 row ends (a carriage return and the byte it skips), then what would be below the grid.
    const std::string belowTheGrid = std::string(std::size_t{47} * 2, '\r') + "XC\r\nX";
    const Walk walks[] = {
        {std::string("xXcC-\0 ", 7), 7, {{0, 0, 0}, {1, 0, 4}, {2, 0, 0}, {3, 0, 6}, {6, 0, 0}}},
        {"  \r\n X", 4, {{1, 0, 0}, {0, 1, 0}, {1, 1, 4}}},
        {"\rXX\r\rX\r\nC", 3, {{0, 1, 4}, {0, 2, 4}, {0, 3, 6}}},
        {std::string(61, ' ') + "XXC\r\nX", 62, {{60, 0, 0}, {0, 1, 4}}},
        {belowTheGrid, 0, {}}};
    for (const auto& [bytes, written, cells] : walks) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        TestWorld t;
        fill(t.world, 7);
        for (const std::string_view id : {"107", "100", "abc", ""}) {
            LoadRes(t.world, id);
        }
        walkLevelMap(t.world, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        EXPECT_EQ(countOf(t.world, 7), 61 * 47 - written);
        Tiles obstacles;
        for (const auto& [x, y, code] : cells) {
            EXPECT_EQ(t.world.Field(x, y), code) << x << ',' << y;
            if (code != 0) {
                obstacles.push_back({140, code == 4 ? 10 : 20, x, y});
            }
        }
        EXPECT_EQ(t.out.tiles, obstacles);
    }
}

// 400 random levels: one of 1,927 cells at 1/60 averages 32.1 mines with a standard deviation of
// 5.6, so the mean of 400 has one of 0.28; 1.5 is over five of those, while 1/30 would average 64
// and mines in all 61 columns 47.8.
TEST(LevelMaps, ARandomLevelHasAboutThirtyTwoMinesInColumnsTenToFiftyEachDrawn) {
    TestWorld t;
    int mines = 0;
    for (int run = 0; run < 400; ++run) {
        fill(t.world, 7);
        t.out.forget();
        LoadRandom(t.world);
        const int runMines = countOf(t.world, 4);
        ASSERT_EQ(countOf(t.world, 7), 20 * 47) << "columns 0 to 9 and 51 to 60 untouched";
        ASSERT_EQ(std::ssize(t.out.tiles), runMines);
        for (const TileCopy& tile : t.out.tiles) {
            ASSERT_TRUE(tile.x >= 10 && tile.x <= 50 && t.world.Field(tile.x, tile.y) == 4);
            ASSERT_EQ(std::pair(tile.sx, tile.sy), std::pair(140, 10));
        }
        mines += runMines;
    }
    EXPECT_NEAR(mines / 400.0, 1927.0 / 60, 1.5);
}

// Every reseed of a fixed-seed source mixes a constant into the state: the draws stay
// reproducible and uniform. 100,000 draws put 10,000 in each tenth with a standard deviation of
// 95; 400 is over four of them.
TEST(RandomSource, AFixedSeedGivesReproducibleUniformDrawsAcrossReseeds) {
    RandomSource a(99);
    RandomSource b(99);
    int tenths[10] = {};
    for (int i = 0; i < 100000; ++i) {
        a.reseedFromClock();
        b.reseedFromClock();
        const double r = a.draw();
        ASSERT_TRUE(r == b.draw() && r >= 0 && r < 1) << r;
        ++tenths[int(r * 10)];
    }
    EXPECT_TRUE(std::ranges::all_of(tenths, [](int n) { return std::abs(n - 10000) <= 400; }))
        << testing::PrintToString(tenths);
}
