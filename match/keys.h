#pragma once

// The keys the arena answers to, and what each one does. The window maps its key events to
// Key; the headless runner maps the names in its key files.
enum class Key { Up, Down, Left, Right, W, S, A, D, Space, Pause };

struct KeyAction {
    enum Kind { None, Steer, NewGame, Pause };
    Kind kind = None;
    int slot = 0;
    int heading = 0;
};

// Arrows steer slot 1; W, S, A, D steer slot 2 only when two humans play; Space starts a new
// match and Pause pauses or resumes, whatever the state of their menu entries.
KeyAction actionForKey(Key key, int humanCount);
