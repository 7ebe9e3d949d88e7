#pragma once

#include <QIcon>
#include <QString>
#include <array>

// The generated pictures, embedded as Qt resources by the zarvo_art library.
namespace ArtResources {
inline const QString SpriteSheet = QStringLiteral(":/art/sprites.png");
inline const QString Splash = QStringLiteral(":/art/splash.png");
inline const QString LargeIcon = QStringLiteral(":/art/icon.png"); // 256 x 256

// The smaller icons are drawn for their own size, each in ":/art/icon-<size>.png".
inline constexpr int LargeIconSize = 256;
inline constexpr std::array<int, 6> SmallIconSizes{16, 24, 32, 48, 64, 128};
QString smallIcon(int size);

// The icon for the windows, in the sizes up to LargestWindowIconSize.
inline constexpr int LargestWindowIconSize = 64;
QIcon windowIcon();
} // namespace ArtResources
