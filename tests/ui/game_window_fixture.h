#pragma once

#include "arena/tiles.h"
#include "art_resources.h"
#include "ui/arena_view.h"
#include "ui/frmMain.h"

#include <QTest>
#include <memory>

// Matches in the window tests are reproducible.
inline constexpr std::uint64_t FixedSeed = 1905;

// A game window shown and active, as the program starts it, with the arena holding the focus.
inline std::unique_ptr<frmMain> startedWindow() {
    auto window = std::make_unique<frmMain>(FixedSeed);
    window->show();
    window->activateWindow();
    window->controls().picField->setFocus();
    return QTest::qWaitForWindowActive(window.get()) ? std::move(window) : nullptr;
}

// A key press and release through the window system, as a person's would arrive.
template <typename K>
void press(frmMain& window, K key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

// Does cell (x, y) of the arena show exactly tile (sx, sy) of the embedded sprite sheet?
inline bool cellShowsTile(const ArenaView& arena, int x, int y, int sx, int sy) {
    static const QImage sheet(ArtResources::SpriteSheet);
    for (int row = 0; row < Tile::Size; ++row) {
        for (int column = 0; column < Tile::Size; ++column) {
            const QPoint cell(x * Tile::Size + column, y * Tile::Size + row);
            if (arena.image().pixelColor(cell).rgb() !=
                sheet.pixelColor(sx + column, sy + row).rgb()) {
                return false;
            }
        }
    }
    return true;
}
