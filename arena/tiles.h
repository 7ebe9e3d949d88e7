#pragma once

// Source positions of the 10 x 10 tiles in the sprite sheet (160 x 50, five colour rows).
namespace Tile {
inline constexpr int Size = 10;

inline constexpr int StraightVertical = 40;
inline constexpr int StraightHorizontal = 50;
inline constexpr int CornerBottomRight = 60;
inline constexpr int CornerBottomLeft = 70;
inline constexpr int CornerTopRight = 80;
inline constexpr int CornerTopLeft = 90;
inline constexpr int HeadLeft = 100;
inline constexpr int HeadUp = 110;
inline constexpr int HeadRight = 120;
inline constexpr int HeadDown = 130;
inline constexpr int Special = 140;
inline constexpr int Crash = 150;

// The special tiles of column 14, by source y.
inline constexpr int EmptyY = 0;
inline constexpr int MineY = 10;
inline constexpr int ClearTailY = 20;
inline constexpr int ClearTailTakenY = 30;

inline constexpr int rowOf(int color) {
    return color * Size;
}
} // namespace Tile
