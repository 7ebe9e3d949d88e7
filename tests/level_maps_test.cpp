#include "arena/levels.h"
#include "arena/tiles.h"
#include "fakes/test_world.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<TileCopy> sorted(std::vector<TileCopy> tiles) {
    std::ranges::sort(tiles, [](const TileCopy& a, const TileCopy& b) {
        return std::tie(a.x, a.y, a.sx, a.sy) < std::tie(b.x, b.y, b.sx, b.sy);
    });
    return tiles;
}

class LevelMaps : public ::testing::Test {
  protected:
    TestWorld t{3};
    World& world = t.world;
    RecordingOutside& outside = t.out;

    int countOf(std::uint8_t code) const {
        int count = 0;
        for (int x = 0; x < FieldColumns; ++x) {
            for (int y = 0; y < FieldRows; ++y) {
                count += world.Field(x, y) == code ? 1 : 0;
            }
        }
        return count;
    }

    void fill(std::uint8_t code) {
        for (int x = 0; x < FieldColumns; ++x) {
            for (int y = 0; y < FieldRows; ++y) {
                world.Field(x, y) = code;
            }
        }
    }

    void walk(std::string_view text) { walkLevelMap(world, bytesOf(text)); }

    // One tile per obstacle in the grid, as the loaders should have drawn them.
    std::vector<TileCopy> obstacleTiles() const {
        std::vector<TileCopy> tiles;
        for (int x = 0; x < FieldColumns; ++x) {
            for (int y = 0; y < FieldRows; ++y) {
                if (world.Field(x, y) == world.cellMine()) {
                    tiles.push_back({Tile::Special, Tile::MineY, x, y});
                } else if (world.Field(x, y) == world.cellClearTail()) {
                    tiles.push_back({Tile::Special, Tile::ClearTailY, x, y});
                }
            }
        }
        return tiles;
    }
};

struct ShippedLevel {
    int id;
    std::size_t length;
    std::string_view ending; // the last map character and everything after it
    int mines;
    int clearTails;
};

constexpr ShippedLevel Shipped[] = {
    {101, 2960, {"-\0", 2}, 4, 0},           {102, 2960, {"-\0", 2}, 32, 0},
    {103, 2968, {"-\r\n\0\0\0", 6}, 19, 1},  {104, 2964, {"X\r\n\r\n\0", 6}, 37, 0},
    {105, 2964, {"X\r\n\r\n\0", 6}, 216, 0}, {106, 2964, {"X\r\n\r\n\0", 6}, 253, 0},
};

TEST(LevelResources, HaveTheShippedLengthsAndTrailingBytes) {
    for (const auto& level : Shipped) {
        SCOPED_TRACE(level.id);
        const auto bytes = levelResource(level.id);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(bytes->size(), level.length);
        ASSERT_GE(bytes->size(), level.ending.size());
        const std::string tail(bytes->end() - static_cast<long>(level.ending.size()), bytes->end());
        EXPECT_EQ(tail, level.ending);
    }
}

TEST(LevelResources, HoldFortySevenLinesOfSixtyOneCharactersExceptTheLongRowsOfLevelThree) {
    for (const auto& level : Shipped) {
        SCOPED_TRACE(level.id);
        const auto bytes = levelResource(level.id);
        ASSERT_TRUE(bytes.has_value());
        const std::string text(bytes->begin(), bytes->end() - 1); // without the final NUL
        std::vector<std::size_t> lengths;
        for (std::size_t start = 0;;) {
            const auto end = text.find("\r\n", start);
            lengths.push_back((end == std::string::npos ? text.size() : end) - start);
            if (end == std::string::npos) {
                break;
            }
            start = end + 2;
        }
        ASSERT_GE(lengths.size(), 47u);
        for (std::size_t row = 0; row < 47; ++row) {
            const bool longRow = level.id == 103 && row >= 2 && row <= 5;
            EXPECT_EQ(lengths[row], longRow ? 62u : 61u) << "row " << row;
        }
    }
}

TEST(LevelResources, AreMissingForIdentifiersOutsideOneHundredOneToOneHundredSix) {
    EXPECT_FALSE(levelResource(100).has_value());
    EXPECT_FALSE(levelResource(107).has_value());
    EXPECT_FALSE(levelResource(0).has_value());
}

TEST_F(LevelMaps, EachLevelWritesItsObstaclesWithCodesThatFollowTheSlotCount) {
    for (const int slots : {2, 8}) {
        for (const auto& level : Shipped) {
            SCOPED_TRACE(testing::Message() << level.id << " with " << slots << " slots");
            world.Field.clear();
            world.CycleCount = static_cast<std::int16_t>(slots);
            LoadRes(world, std::to_string(level.id));
            const int mines = countOf(static_cast<std::uint8_t>(slots + 1));
            const int clearTails = countOf(static_cast<std::uint8_t>(slots + 3));
            EXPECT_EQ(mines, level.mines);
            EXPECT_EQ(clearTails, level.clearTails);
            EXPECT_EQ(countOf(CellEmpty), FieldColumns * FieldRows - mines - clearTails);
        }
    }
}

TEST_F(LevelMaps, EveryObstacleIsDrawnOnceWithItsTileAndEmptyCellsDrawNothing) {
    for (const auto& level : Shipped) {
        SCOPED_TRACE(level.id);
        world.Field.clear();
        outside.tiles.clear();
        LoadRes(world, std::to_string(level.id));
        EXPECT_EQ(sorted(outside.tiles), sorted(obstacleTiles()));
        EXPECT_EQ(outside.tiles.size(), static_cast<std::size_t>(level.mines + level.clearTails));
    }
}

TEST_F(LevelMaps, LevelOneHasFourSingleMinesAndAnEmptyOutline) {
    LoadRes(world, "101");
    for (const auto& [x, y] : {std::pair{42, 11}, {18, 13}, {34, 30}, {14, 39}}) {
        EXPECT_EQ(world.Field(x, y), 4) << x << "," << y;
    }
    for (int x = 0; x < FieldColumns; ++x) {
        EXPECT_EQ(world.Field(x, 0), CellEmpty);
        EXPECT_EQ(world.Field(x, LastRow), CellEmpty);
    }
    for (int y = 0; y < FieldRows; ++y) {
        EXPECT_EQ(world.Field(0, y), CellEmpty);
        EXPECT_EQ(world.Field(LastColumn, y), CellEmpty);
    }
}

TEST_F(LevelMaps, LevelThreeIgnoresTheOverhangOfItsLongRowsAndPlacesTheTailClearingCell) {
    LoadRes(world, "103");
    EXPECT_EQ(world.Field(29, 21), 6);
    for (int y = 2; y <= 5; ++y) {
        EXPECT_EQ(world.Field(30, y), 4) << "row " << y;
        EXPECT_EQ(world.Field(LastColumn, y), CellEmpty) << "row " << y;
        EXPECT_EQ(world.Field(0, y + 1), CellEmpty) << "row " << y + 1;
    }
    // Rows after the long ones are still read at their own positions.
    for (int y = 39; y <= 43; ++y) {
        EXPECT_EQ(world.Field(29, y), 4) << "row " << y;
    }
    for (int x : {3, 7, 53, 57}) {
        EXPECT_EQ(world.Field(x, 21), 4) << "column " << x;
    }
    EXPECT_EQ(world.Field(8, 21), CellEmpty);
    EXPECT_EQ(world.Field(52, 21), CellEmpty);
}

TEST_F(LevelMaps, LevelFourHasAWiderBottomLeftBracket) {
    LoadRes(world, "104");
    for (int x = 0; x <= 5; ++x) {
        EXPECT_EQ(world.Field(x, LastRow), 4) << "column " << x;
    }
    EXPECT_EQ(world.Field(6, LastRow), CellEmpty);
    EXPECT_EQ(world.Field(55, LastRow), CellEmpty);
    for (int x = 56; x <= 60; ++x) {
        EXPECT_EQ(world.Field(x, LastRow), 4) << "column " << x;
    }
    EXPECT_EQ(world.Field(4, 0), 4);
    EXPECT_EQ(world.Field(5, 0), CellEmpty);
    EXPECT_EQ(world.Field(0, 45), 4);
    EXPECT_EQ(world.Field(0, 41), CellEmpty);
}

TEST_F(LevelMaps, UnknownIdentifiersWriteAndDrawNothing) {
    fill(7);
    for (const std::string_view id : {"107", "100", "abc", ""}) {
        LoadRes(world, id);
    }
    EXPECT_EQ(countOf(7), FieldColumns * FieldRows);
    EXPECT_TRUE(outside.tiles.empty());
}

TEST_F(LevelMaps, UpperCaseXAndCAloneAreObstacles) {
    walk("xXcC-\0 ");
    EXPECT_EQ(world.Field(0, 0), CellEmpty);
    EXPECT_EQ(world.Field(1, 0), 4);
    EXPECT_EQ(world.Field(2, 0), CellEmpty);
    EXPECT_EQ(world.Field(3, 0), 6);
    EXPECT_EQ(countOf(CellEmpty), FieldColumns * FieldRows - 2);
    const std::vector<TileCopy> drawn{{Tile::Special, Tile::MineY, 1, 0},
                                      {Tile::Special, Tile::ClearTailY, 3, 0}};
    EXPECT_EQ(outside.tiles, drawn);
}

TEST_F(LevelMaps, WalkerWritesEmptyOverCoveredCellsAndLeavesTheRestAsTheyWere) {
    fill(7);
    walk("  \r\n X");
    EXPECT_EQ(world.Field(0, 0), CellEmpty);
    EXPECT_EQ(world.Field(1, 0), CellEmpty);
    EXPECT_EQ(world.Field(2, 0), 7);
    EXPECT_EQ(world.Field(0, 1), CellEmpty);
    EXPECT_EQ(world.Field(1, 1), 4);
    EXPECT_EQ(world.Field(0, 2), 7);
}

TEST_F(LevelMaps, CarriageReturnSkipsTheByteAfterItWhateverItIs) {
    walk("\rXX\r\rX\r\nC");
    EXPECT_EQ(world.Field(0, 1), 4); // the first X after the CR was skipped
    EXPECT_EQ(world.Field(1, 1), CellEmpty);
    EXPECT_EQ(world.Field(0, 2), 4); // a CR right after a CR is skipped, not a row end
    EXPECT_EQ(world.Field(0, 3), 6);
    EXPECT_EQ(countOf(CellEmpty), FieldColumns * FieldRows - 3);
}

TEST_F(LevelMaps, BytesBeyondTheLastColumnOrRowWriteNothing) {
    walk(std::string(FieldColumns, ' ') + "XXC\r\n" + "X");
    EXPECT_EQ(world.Field(0, 1), 4);
    EXPECT_EQ(countOf(CellEmpty), FieldColumns * FieldRows - 1);

    world.Field.clear();
    outside.tiles.clear();
    std::string belowTheArena;
    for (int row = 0; row < FieldRows; ++row) {
        belowTheArena += "\r\n";
    }
    walk(belowTheArena + "XC\r\nX");
    EXPECT_EQ(countOf(CellEmpty), FieldColumns * FieldRows);
    EXPECT_TRUE(outside.tiles.empty());
}

TEST_F(LevelMaps, RandomLevelKeepsItsMinesInColumnsTenToFiftyAndDrawsEachOne) {
    for (int run = 0; run < 50; ++run) {
        fill(7);
        outside.tiles.clear();
        LoadRandom(world);
        for (int y = 0; y < FieldRows; ++y) {
            for (int x = 0; x < FieldColumns; ++x) {
                const std::uint8_t cell = world.Field(x, y);
                if (x < 10 || x > 50) {
                    ASSERT_EQ(cell, 7) << x << "," << y;
                } else {
                    ASSERT_TRUE(cell == CellEmpty || cell == world.cellMine()) << x << "," << y;
                }
            }
        }
        ASSERT_EQ(sorted(outside.tiles), sorted(obstacleTiles()));
    }
}

TEST_F(LevelMaps, RandomLevelAveragesAboutThirtyTwoMines) {
    constexpr int Runs = 400;
    int mines = 0;
    for (int run = 0; run < Runs; ++run) {
        world.Field.clear();
        LoadRandom(world);
        mines += countOf(world.cellMine());
    }
    // 1,927 cells at 1/60 give 32.1 on average; 1/30 would give 64 and 1/120 about 16.
    EXPECT_NEAR(static_cast<double>(mines) / Runs, 1927.0 / 60.0, 1.5);
}

} // namespace
