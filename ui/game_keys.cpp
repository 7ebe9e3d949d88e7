#include "ui/game_keys.h"

#include <QChar>
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

int keyAsPlayed(int qtKey, quint32 nativeScanCode) {
    const auto code = static_cast<char32_t>(qtKey);
    const bool otherScript = code > 0x7f && code <= 0x10ffff && QChar::isLetter(code) &&
                             QChar::script(code) != QChar::Script_Latin;
    if (!otherScript) {
        return qtKey;
    }
    switch (nativeScanCode) {
    case 25:
        return Qt::Key_W;
    case 38:
        return Qt::Key_A;
    case 39:
        return Qt::Key_S;
    case 40:
        return Qt::Key_D;
    default:
        return qtKey;
    }
}
