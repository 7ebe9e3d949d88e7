#include "sprite_sheet.h"

#include "arena/tiles.h"
#include "art_palette.h"

#include <QPoint>
#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace {

constexpr int Columns = 16;
constexpr int Rows = 5;
constexpr int Last = Tile::Size - 1;
constexpr int GridLine = 5;

// Drawn pixels of one tile, in tile coordinates (0-9).
using Pixels = std::vector<QPoint>;

Pixels rectangle(int left, int top, int right, int bottom) {
    Pixels pixels;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            pixels.emplace_back(x, y);
        }
    }
    return pixels;
}

Pixels joined(Pixels first, const Pixels& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Pixels transformed(const Pixels& pixels, const std::function<QPoint(QPoint)>& map) {
    Pixels result;
    result.reserve(pixels.size());
    for (QPoint p : pixels) {
        result.push_back(map(p));
    }
    return result;
}

// Trail pieces run along pixel columns 4-5 or rows 4-5 so that neighbouring cells join up.
Pixels verticalRun(int top, int bottom) {
    return rectangle(4, top, 5, bottom);
}
Pixels horizontalRun(int left, int right) {
    return rectangle(left, 4, right, 5);
}

Pixels headFacingRight() {
    Pixels pixels = horizontalRun(0, 6);
    for (int x : {2, 3, 5}) {
        pixels.emplace_back(x, 3);
        pixels.emplace_back(x, 6);
    }
    return pixels;
}

QPoint mirrored(QPoint p) {
    return {Last - p.x(), p.y()};
}
QPoint turnedUp(QPoint p) {
    return {p.y(), Last - p.x()};
}
QPoint turnedDown(QPoint p) {
    return {Last - p.y(), p.x()};
}

Pixels smallDisc() {
    return joined(joined(rectangle(4, 3, 5, 3), rectangle(3, 4, 6, 5)), rectangle(4, 6, 5, 6));
}

Pixels takenClearTailMark() {
    Pixels pixels = joined(joined(rectangle(3, 3, 6, 3), rectangle(3, 6, 6, 6)),
                           joined(rectangle(3, 4, 3, 5), rectangle(6, 4, 6, 5)));
    for (QPoint spike : {QPoint(1, 1), QPoint(2, 2), QPoint(8, 1), QPoint(7, 2), QPoint(1, 8),
                         QPoint(2, 7), QPoint(8, 8), QPoint(7, 7)}) {
        pixels.push_back(spike);
    }
    return pixels;
}

Pixels debris() {
    // The drawn pixel columns of each pixel row, top to bottom.
    const std::array<std::vector<int>, Tile::Size> columnsByRow{{
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
    Pixels pixels;
    for (std::size_t row = 0; row < columnsByRow.size(); ++row) {
        for (int x : columnsByRow[row]) {
            pixels.emplace_back(x, static_cast<int>(row));
        }
    }
    return pixels;
}

class SheetPainter {
  public:
    explicit SheetPainter(QImage& sheet) : sheet_(sheet) {}

    void draw(int sourceX, int sourceY, const Pixels& pixels, QRgb color) {
        for (QPoint p : pixels) {
            sheet_.setPixel(sourceX + p.x(), sourceY + p.y(), color);
        }
    }

    void drawBackgroundGrid() {
        for (int ty = 0; ty < Rows; ++ty) {
            for (int tx = 0; tx < Columns; ++tx) {
                draw(tx * Tile::Size, ty * Tile::Size,
                     joined(rectangle(GridLine, 0, GridLine, Last),
                            rectangle(0, GridLine, Last, GridLine)),
                     ArtPalette::GridLine);
            }
        }
    }

    // A two-pixel bar whose brightness rises one tenth per pixel along the bar.
    void drawFadingBar(int sourceX, int sourceY, bool vertical, bool rising, QRgb color) {
        for (int step = 0; step < Tile::Size; ++step) {
            const int along = rising ? step : Last - step;
            const double level = (step + 1) / static_cast<double>(Tile::Size);
            const QRgb shade = qRgb(qRound(qRed(color) * level), qRound(qGreen(color) * level),
                                    qRound(qBlue(color) * level));
            draw(sourceX, sourceY,
                 vertical ? verticalRun(along, along) : horizontalRun(along, along), shade);
        }
    }

  private:
    QImage& sheet_;
};

void drawColorRow(SheetPainter& painter, int color) {
    const int y = Tile::rowOf(color);
    const QRgb rgb = ArtPalette::CycleColors[static_cast<std::size_t>(color)];
    painter.drawFadingBar(0, y, false, true, rgb);
    painter.drawFadingBar(10, y, true, true, rgb);
    painter.drawFadingBar(20, y, false, false, rgb);
    painter.drawFadingBar(30, y, true, false, rgb);

    painter.draw(Tile::StraightVertical, y, verticalRun(0, Last), rgb);
    painter.draw(Tile::StraightHorizontal, y, horizontalRun(0, Last), rgb);
    painter.draw(Tile::CornerBottomRight, y, joined(horizontalRun(4, Last), verticalRun(4, Last)),
                 rgb);
    painter.draw(Tile::CornerBottomLeft, y, joined(horizontalRun(0, 5), verticalRun(4, Last)), rgb);
    painter.draw(Tile::CornerTopRight, y, joined(verticalRun(0, 5), horizontalRun(4, Last)), rgb);
    painter.draw(Tile::CornerTopLeft, y, joined(verticalRun(0, 5), horizontalRun(0, 5)), rgb);

    const Pixels head = headFacingRight();
    painter.draw(Tile::HeadRight, y, head, rgb);
    painter.draw(Tile::HeadLeft, y, transformed(head, mirrored), rgb);
    painter.draw(Tile::HeadUp, y, transformed(head, turnedUp), rgb);
    painter.draw(Tile::HeadDown, y, transformed(head, turnedDown), rgb);

    painter.draw(Tile::Crash, y, debris(), rgb);
}

} // namespace

QImage makeSpriteSheet() {
    QImage sheet(Columns * Tile::Size, Rows * Tile::Size, QImage::Format_RGB32);
    sheet.fill(ArtPalette::Background);
    SheetPainter painter(sheet);
    painter.drawBackgroundGrid();
    for (int color = 0; color < Rows; ++color) {
        drawColorRow(painter, color);
    }
    painter.draw(Tile::Special, Tile::MineY, smallDisc(), ArtPalette::Mine);
    painter.draw(Tile::Special, Tile::ClearTailY, smallDisc(), ArtPalette::Green);
    painter.draw(Tile::Special, Tile::ClearTailTakenY, takenClearTailMark(), ArtPalette::Green);
    return sheet;
}
