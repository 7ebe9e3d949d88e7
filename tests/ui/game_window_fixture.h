#pragma once

#include "art_resources.h"
#include "ui/arena_view.h"
#include "ui/frmMain.h"

#include <QTest>
#include <memory>

// Matches in the window tests are reproducible.
inline constexpr std::uint64_t FixedSeed = 1905;

// A game window shown and active, as the program starts it, with the arena holding the focus.
inline std::unique_ptr<frmMain> startedWindow(std::uint64_t seed = FixedSeed) {
    auto window = std::make_unique<frmMain>(seed);
    window->show();
    window->activateWindow();
    window->controls().picField->setFocus();
    return QTest::qWaitForWindowActive(window.get()) ? std::move(window) : nullptr;
}

// A key ("Up", "Shift+S", "Ctrl+N") pressed and let go through the window system; with
// `autoRepeated` its press comes as if the key were held down.
inline void press(frmMain& window, const QString& key, bool autoRepeated = false) {
    const QKeyCombination combination = QKeySequence(key)[0];
    for (const bool down : {true, false}) {
        QTest::simulateEvent(window.windowHandle(), down, combination.key(),
                             combination.keyboardModifiers(), {}, down && autoRepeated);
    }
}

// Does cell (x, y) of the arena show exactly the 10 x 10 tile at (sx, sy) of the sprite sheet?
inline bool cellShowsTile(const ArenaView& arena, int x, int y, int sx, int sy) {
    static const QImage sheet =
        QImage(ArtResources::SpriteSheet).convertToFormat(QImage::Format_RGB32);
    return arena.image().copy(x * 10, y * 10, 10, 10) == sheet.copy(sx, sy, 10, 10);
}
