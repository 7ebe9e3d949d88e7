#include "arena/tiles.h"

#include <QImage>
#include <QString>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb GridGrey = qRgb(63, 63, 63);
constexpr QRgb MineGrey = qRgb(165, 165, 165);
constexpr std::array<QRgb, 5> RowColors{qRgb(36, 255, 0), qRgb(0, 133, 255), qRgb(255, 122, 0),
                                        qRgb(240, 0, 255), qRgb(252, 255, 0)};
constexpr QRgb Green = RowColors[0];

// Drawn pixels of a tile as (column, row) within the tile.
using Pixels = std::set<std::pair<int, int>>;

const QImage& sheet() {
    static const QImage image(QStringLiteral(":/art/sprites.png"));
    return image;
}

Pixels block(int left, int top, int right, int bottom) {
    Pixels pixels;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            pixels.insert({x, y});
        }
    }
    return pixels;
}

Pixels operator+(Pixels a, const Pixels& b) {
    a.insert(b.begin(), b.end());
    return a;
}

template <typename Map> Pixels mapped(const Pixels& pixels, Map map) {
    Pixels result;
    for (auto [x, y] : pixels) {
        result.insert(map(x, y));
    }
    return result;
}

QString hex(QRgb rgb) {
    return QString::number(rgb & 0xffffff, 16).rightJustified(6, '0');
}

// Every pixel of the tile: the drawn ones in the colour, all others the black background with
// the dark grey cross on pixel row 5 and pixel column 5.
testing::AssertionResult tileShows(int sourceX, int sourceY, const Pixels& drawn, QRgb color) {
    for (int y = 0; y < Tile::Size; ++y) {
        for (int x = 0; x < Tile::Size; ++x) {
            const QRgb background = (x == 5 || y == 5) ? GridGrey : Black;
            const QRgb expected = drawn.count({x, y}) ? color : background;
            const QRgb actual = sheet().pixel(sourceX + x, sourceY + y);
            if (actual != expected) {
                return testing::AssertionFailure()
                       << "tile (" << sourceX << ", " << sourceY << ") pixel (" << x << ", " << y
                       << ") is " << qPrintable(hex(actual)) << ", expected "
                       << qPrintable(hex(expected));
            }
        }
    }
    return testing::AssertionSuccess();
}

int brightness(QRgb rgb) {
    return qRed(rgb) + qGreen(rgb) + qBlue(rgb);
}

} // namespace

TEST(SpriteSheet, IsSixteenTilesWideAndFiveColourRowsHigh) {
    ASSERT_FALSE(sheet().isNull());
    EXPECT_EQ(sheet().width(), 160);
    EXPECT_EQ(sheet().height(), 50);
}

TEST(SpriteSheet, StraightTrailsAreTwoPixelsWideThroughTheMiddleInEachRowsColour) {
    for (int row = 0; row < 5; ++row) {
        const int y = Tile::rowOf(row);
        EXPECT_TRUE(tileShows(Tile::StraightVertical, y, block(4, 0, 5, 9), RowColors[row]));
        EXPECT_TRUE(tileShows(Tile::StraightHorizontal, y, block(0, 4, 9, 5), RowColors[row]));
    }
}

TEST(SpriteSheet, CornersJoinTheEdgesTheyAreNamedAfter) {
    const Pixels toRight = block(4, 4, 9, 5);
    const Pixels toLeft = block(0, 4, 5, 5);
    const Pixels toBottom = block(4, 4, 5, 9);
    const Pixels toTop = block(4, 0, 5, 5);
    for (int row = 0; row < 5; ++row) {
        const int y = Tile::rowOf(row);
        EXPECT_TRUE(tileShows(Tile::CornerBottomRight, y, toRight + toBottom, RowColors[row]));
        EXPECT_TRUE(tileShows(Tile::CornerBottomLeft, y, toLeft + toBottom, RowColors[row]));
        EXPECT_TRUE(tileShows(Tile::CornerTopRight, y, toTop + toRight, RowColors[row]));
        EXPECT_TRUE(tileShows(Tile::CornerTopLeft, y, toTop + toLeft, RowColors[row]));
    }
}

TEST(SpriteSheet, HeadsAreOneShapeFacingEachWayWithTheBodyOnTheTrailsEdge) {
    Pixels right = block(0, 4, 6, 5);
    for (int x : {2, 3, 5}) {
        right.insert({x, 3});
        right.insert({x, 6});
    }
    const Pixels left = mapped(right, [](int x, int y) { return std::pair(9 - x, y); });
    const Pixels up = mapped(right, [](int x, int y) { return std::pair(y, 9 - x); });
    const Pixels down = mapped(right, [](int x, int y) { return std::pair(9 - y, x); });
    for (int row = 0; row < 5; ++row) {
        const int y = Tile::rowOf(row);
        EXPECT_TRUE(tileShows(Tile::HeadRight, y, right, RowColors[row]));
        EXPECT_TRUE(tileShows(Tile::HeadLeft, y, left, RowColors[row]));
        EXPECT_TRUE(tileShows(Tile::HeadUp, y, up, RowColors[row]));
        EXPECT_TRUE(tileShows(Tile::HeadDown, y, down, RowColors[row]));
    }
}

TEST(SpriteSheet, DebrisIsTheSameScatterInEveryRow) {
    const std::array<std::set<int>, 10> columnsByRow{{
        {5, 9},
        {1, 3, 4, 6, 7, 8},
        {0, 1, 2, 9},
        {0, 1, 8, 9},
        {1, 2, 3, 8},
        {2, 3, 8},
        {2, 5, 8},
        {2, 4, 5, 8, 9},
        {1, 2, 3, 4, 5, 6, 7, 8, 9},
        {1, 2, 4},
    }};
    Pixels debris;
    for (int y = 0; y < 10; ++y) {
        for (int x : columnsByRow[y]) {
            debris.insert({x, y});
        }
    }
    for (int row = 0; row < 5; ++row) {
        EXPECT_TRUE(tileShows(Tile::Crash, Tile::rowOf(row), debris, RowColors[row]));
    }
}

TEST(SpriteSheet, SpecialColumnHoldsEmptyCellMineAndTailClearingCells) {
    const Pixels disc = block(4, 3, 5, 3) + block(3, 4, 6, 5) + block(4, 6, 5, 6);
    EXPECT_TRUE(tileShows(Tile::Special, Tile::EmptyY, {}, Black));
    EXPECT_TRUE(tileShows(Tile::Special, Tile::MineY, disc, MineGrey));
    EXPECT_TRUE(tileShows(Tile::Special, Tile::ClearTailY, disc, Green));
    EXPECT_TRUE(tileShows(Tile::Special, Tile::rowOf(4), {}, Black));
}

TEST(SpriteSheet, TakenTailClearingCellIsAHollowSquareWithDiagonalSpikes) {
    const Pixels square =
        block(3, 3, 6, 3) + block(3, 6, 6, 6) + block(3, 4, 3, 5) + block(6, 4, 6, 5);
    const Pixels spikes{{1, 1}, {2, 2}, {8, 1}, {7, 2}, {1, 8}, {2, 7}, {8, 8}, {7, 7}};
    EXPECT_TRUE(tileShows(Tile::Special, Tile::ClearTailTakenY, square + spikes, Green));
}

TEST(SpriteSheet, FadingBarsBrightenTowardsTheirSideAndReachFullColourThere) {
    struct Bar {
        int sourceX;
        int startX, startY, stepX, stepY; // from the dark end towards the bright side
    };
    const std::array<Bar, 4> bars{{
        {0, 0, 4, 1, 0},   // towards the right
        {10, 4, 0, 0, 1},  // towards the bottom
        {20, 9, 4, -1, 0}, // towards the left
        {30, 4, 9, 0, -1}, // towards the top
    }};
    for (int row = 0; row < 5; ++row) {
        for (const Bar& bar : bars) {
            int previous = -1;
            QRgb last = 0;
            for (int step = 0; step < 10; ++step) {
                const int x = bar.sourceX + bar.startX + step * bar.stepX;
                const int y = Tile::rowOf(row) + bar.startY + step * bar.stepY;
                // The second pixel of the bar's width lies one step across it.
                const QRgb pixel = sheet().pixel(x, y);
                EXPECT_EQ(sheet().pixel(x + bar.stepY * bar.stepY, y + bar.stepX * bar.stepX),
                          pixel);
                EXPECT_GT(brightness(pixel), previous) << "bar at x " << bar.sourceX;
                previous = brightness(pixel);
                last = pixel;
            }
            EXPECT_EQ(last, RowColors[row]) << "bar at x " << bar.sourceX;
        }
    }
}
