#pragma once

#include "match/keys.h"

#include <optional>
#include <string_view>

// What a key file or a recording can press: the arena's keys, the Game menu's commands, the
// Players and Levels menus' entries, the Boundaries check mark set on or off, and the
// Scoreboard's Clear Scores.
enum class ScriptKey {
    Up,
    Down,
    Left,
    Right,
    W,
    A,
    S,
    D,
    Pause,
    Stop,
    NewGame,
    Quit,
    FreeForAll,
    Deathmatch,
    OneHuman,
    TwoHumans,
    NoComputer,
    OneComputer,
    TwoComputers,
    ThreeComputers,
    FourComputers,
    FiveComputers,
    SixComputers,
    RandomMap,
    EmptyMap,
    LevelOne,
    LevelTwo,
    LevelThree,
    LevelFour,
    LevelFive,
    LevelSix,
    BoundariesOn,
    BoundariesOff,
    ClearScores,
};

// The name a key file, a recording and the trace use ("Up", "NewGame", "TwoHumans").
std::string_view keyName(ScriptKey key);

// The keyboard key that does the same; the menus' commands and entries have none, except
// NewGame (Space) and Pause.
std::optional<Key> keyboardKey(ScriptKey key);

// What a keyboard key presses: Space is NewGame.
ScriptKey scriptKeyFor(Key key);

// The key a name stands for, whatever its case.
std::optional<ScriptKey> keyNamed(std::string_view name);
