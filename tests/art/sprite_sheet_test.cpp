#include <QImage>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string_view>
#include <utility>

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb GridGrey = qRgb(63, 63, 63);
constexpr QRgb MineGrey = qRgb(165, 165, 165);
constexpr std::array<QRgb, 5> RowColors{qRgb(36, 255, 0), qRgb(0, 133, 255), qRgb(255, 122, 0),
                                        qRgb(240, 0, 255), qRgb(252, 255, 0)};

// Drawn pixels of a tile as (column, row) within the tile.
using Pixels = std::set<std::pair<int, int>>;

// A tile's drawn pixels, row by row from the top, each row as the columns drawn ("45": columns 4
// and 5). Rows left out at the end are empty.
Pixels tile(std::initializer_list<std::string_view> rows) {
    Pixels pixels;
    int y = 0;
    for (const std::string_view columns : rows) {
        for (const char x : columns) {
            pixels.insert({x - '0', y});
        }
        ++y;
    }
    return pixels;
}

// Every pixel of the 10 x 10 tile at (left, top): the drawn ones in the colour, all others the
// black background with the dark grey cross on pixel row 5 and pixel column 5.
testing::AssertionResult tileShows(int left, int top, const Pixels& drawn, QRgb color) {
    static const QImage sheet(QStringLiteral(":/art/sprites.png"));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const QRgb expected = drawn.count({x, y})  ? color
                                  : (x == 5 || y == 5) ? GridGrey
                                                       : Black;
            if (sheet.pixel(left + x, top + y) != expected) {
                return testing::AssertionFailure()
                       << "tile (" << left << ", " << top << ") pixel (" << x << ", " << y
                       << ") is " << std::hex << sheet.pixel(left + x, top + y) << ", expected "
                       << expected;
            }
        }
    }
    return testing::AssertionSuccess();
}

} // namespace

TEST(SpriteSheet, EveryPieceIsDrawnInEachColourRowOnTheGriddedBlackCell) {
    ASSERT_EQ(QImage(QStringLiteral(":/art/sprites.png")).size(), QSize(160, 50));
    // Straight vertical and horizontal; corners joining bottom and right, bottom and left, top
    // and right, top and left; heads facing left, up, right and down; debris.
    const std::pair<int, Pixels> pieces[] = {
        {40, tile({"45", "45", "45", "45", "45", "45", "45", "45", "45", "45"})},
        {50, tile({"", "", "", "", "0123456789", "0123456789"})},
        {60, tile({"", "", "", "", "456789", "456789", "45", "45", "45", "45"})},
        {70, tile({"", "", "", "", "012345", "012345", "45", "45", "45", "45"})},
        {80, tile({"45", "45", "45", "45", "456789", "456789"})},
        {90, tile({"45", "45", "45", "45", "012345", "012345"})},
        {100, tile({"", "", "", "467", "3456789", "3456789", "467"})},
        {110, tile({"", "", "", "45", "3456", "45", "3456", "3456", "45", "45"})},
        {120, tile({"", "", "", "235", "0123456", "0123456", "235"})},
        {130, tile({"45", "45", "3456", "3456", "45", "3456", "45"})},
        {150,
         tile({"59", "134678", "0129", "0189", "1238", "238", "258", "24589", "123456789", "124"})},
    };
    for (int row = 0; row < 5; ++row) {
        for (const auto& [left, drawn] : pieces) {
            EXPECT_TRUE(tileShows(left, 10 * row, drawn, RowColors[row]));
        }
    }
    // Column 14: the empty cell, the mine, the tail-clearing cell, and that cell once taken.
    const Pixels disc = tile({"", "", "", "45", "3456", "3456", "45"});
    EXPECT_TRUE(tileShows(140, 0, {}, Black));
    EXPECT_TRUE(tileShows(140, 10, disc, MineGrey));
    EXPECT_TRUE(tileShows(140, 20, disc, RowColors[0]));
    EXPECT_TRUE(tileShows(140, 30, tile({"", "18", "27", "3456", "36", "36", "3456", "27", "18"}),
                          RowColors[0]));
}

TEST(SplashAndIcons, AreAPictureInARaisedBevelAndSquareIconsWithTransparentCorners) {
    const QImage splash(QStringLiteral(":/art/splash.png"));
    ASSERT_EQ(splash.size(), QSize(304, 304));
    const auto white = std::pair(qRgb(255, 255, 255), qRgb(255, 255, 255));
    const auto grey = std::pair(qRgb(128, 128, 128), qRgb(128, 128, 128));
    for (int i = 0; i < 303; ++i) {
        EXPECT_EQ(std::pair(splash.pixel(i, 0), splash.pixel(0, i)), white) << "top, left " << i;
        EXPECT_EQ(std::pair(splash.pixel(i + 1, 303), splash.pixel(303, i + 1)), grey) << i + 1;
    }
    const QImage inside = splash.copy(1, 1, 302, 302);
    EXPECT_NE(inside, inside.mirrored(true, false)) << "a picture with words, not a flat fill";
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(size == 256 ? QStringLiteral(":/art/icon.png")
                                      : QStringLiteral(":/art/icon-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}
