#include "session/script_key.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {

constexpr std::array<std::pair<ScriptKey, std::string_view>, 34> Names{{
    {ScriptKey::Up, "Up"},
    {ScriptKey::Down, "Down"},
    {ScriptKey::Left, "Left"},
    {ScriptKey::Right, "Right"},
    {ScriptKey::W, "W"},
    {ScriptKey::A, "A"},
    {ScriptKey::S, "S"},
    {ScriptKey::D, "D"},
    {ScriptKey::Pause, "Pause"},
    {ScriptKey::Stop, "Stop"},
    {ScriptKey::NewGame, "NewGame"},
    {ScriptKey::Quit, "Quit"},
    {ScriptKey::FreeForAll, "FreeForAll"},
    {ScriptKey::Deathmatch, "Deathmatch"},
    {ScriptKey::OneHuman, "OneHuman"},
    {ScriptKey::TwoHumans, "TwoHumans"},
    {ScriptKey::NoComputer, "NoComputer"},
    {ScriptKey::OneComputer, "OneComputer"},
    {ScriptKey::TwoComputers, "TwoComputers"},
    {ScriptKey::ThreeComputers, "ThreeComputers"},
    {ScriptKey::FourComputers, "FourComputers"},
    {ScriptKey::FiveComputers, "FiveComputers"},
    {ScriptKey::SixComputers, "SixComputers"},
    {ScriptKey::RandomMap, "RandomMap"},
    {ScriptKey::EmptyMap, "EmptyMap"},
    {ScriptKey::LevelOne, "LevelOne"},
    {ScriptKey::LevelTwo, "LevelTwo"},
    {ScriptKey::LevelThree, "LevelThree"},
    {ScriptKey::LevelFour, "LevelFour"},
    {ScriptKey::LevelFive, "LevelFive"},
    {ScriptKey::LevelSix, "LevelSix"},
    {ScriptKey::BoundariesOn, "BoundariesOn"},
    {ScriptKey::BoundariesOff, "BoundariesOff"},
    {ScriptKey::ClearScores, "ClearScores"},
}};

constexpr std::array<std::pair<ScriptKey, Key>, 10> KeyboardKeys{{
    {ScriptKey::Up, Key::Up},
    {ScriptKey::Down, Key::Down},
    {ScriptKey::Left, Key::Left},
    {ScriptKey::Right, Key::Right},
    {ScriptKey::W, Key::W},
    {ScriptKey::A, Key::A},
    {ScriptKey::S, Key::S},
    {ScriptKey::D, Key::D},
    {ScriptKey::Pause, Key::Pause},
    {ScriptKey::NewGame, Key::Space},
}};

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::optional<ScriptKey> keyNamed(std::string_view name) {
    for (const auto& [key, keyText] : Names) {
        if (sameIgnoringCase(keyText, name)) {
            return key;
        }
    }
    return std::nullopt;
}

std::string_view keyName(ScriptKey key) {
    for (const auto& [named, name] : Names) {
        if (named == key) {
            return name;
        }
    }
    return "";
}

std::optional<Key> keyboardKey(ScriptKey key) {
    for (const auto& [script, keyboard] : KeyboardKeys) {
        if (script == key) {
            return keyboard;
        }
    }
    return std::nullopt;
}

ScriptKey scriptKeyFor(Key key) {
    for (const auto& [script, keyboard] : KeyboardKeys) {
        if (keyboard == key) {
            return script;
        }
    }
    return ScriptKey::NewGame;
}
