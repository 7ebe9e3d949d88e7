#pragma once

#include <QColor>
#include <QRgb>
#include <array>

// Colours shared by the sprite sheet, the splash picture and the icon.
namespace ArtPalette {
inline constexpr std::array<QRgb, 5> CycleColors{
    qRgb(36, 255, 0),  // green
    qRgb(0, 133, 255), // blue
    qRgb(255, 122, 0), // orange
    qRgb(240, 0, 255), // magenta
    qRgb(252, 255, 0), // yellow
};
inline constexpr QRgb Green = CycleColors[0];
inline constexpr QRgb Blue = CycleColors[1];
inline constexpr QRgb Orange = CycleColors[2];
inline constexpr QRgb Magenta = CycleColors[3];

inline constexpr QRgb Background = qRgb(0, 0, 0);
inline constexpr QRgb GridLine = qRgb(63, 63, 63);
inline constexpr QRgb Mine = qRgb(165, 165, 165);

inline constexpr QRgb BevelLight = qRgb(255, 255, 255);
inline constexpr QRgb BevelShadow = qRgb(128, 128, 128);

inline QColor withAlpha(QRgb rgb, int alpha) {
    return QColor::fromRgba(qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), alpha));
}
} // namespace ArtPalette
