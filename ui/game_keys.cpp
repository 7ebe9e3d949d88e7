#include "ui/game_keys.h"

#include <Qt>

std::optional<Key> gameKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_W:
        return Key::W;
    case Qt::Key_S:
        return Key::S;
    case Qt::Key_A:
        return Key::A;
    case Qt::Key_D:
        return Key::D;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Pause:
        return Key::Pause;
    default:
        return std::nullopt;
    }
}
