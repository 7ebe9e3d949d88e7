#include "match/keys.h"

#include "cycles/cycle.h"

KeyAction actionForKey(Key key, int humanCount) {
    const bool secondHuman = humanCount == 2;
    switch (key) {
    case Key::Up:
        return {KeyAction::Steer, 1, Up};
    case Key::Down:
        return {KeyAction::Steer, 1, Down};
    case Key::Left:
        return {KeyAction::Steer, 1, Left};
    case Key::Right:
        return {KeyAction::Steer, 1, Right};
    case Key::W:
        return secondHuman ? KeyAction{KeyAction::Steer, 2, Up} : KeyAction{};
    case Key::S:
        return secondHuman ? KeyAction{KeyAction::Steer, 2, Down} : KeyAction{};
    case Key::A:
        return secondHuman ? KeyAction{KeyAction::Steer, 2, Left} : KeyAction{};
    case Key::D:
        return secondHuman ? KeyAction{KeyAction::Steer, 2, Right} : KeyAction{};
    case Key::Space:
        return {KeyAction::NewGame};
    case Key::Pause:
        return {KeyAction::Pause};
    }
    return {};
}
