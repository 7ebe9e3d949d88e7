#pragma once

#include "match/settings.h"
#include "session/key_script.h"

// What the Players and Levels menus' entries do to the settings. The window's menu handlers and
// the headless runner both change settings only through these, so that a choice read from a
// recording has the same effect in either.

// One human alone has nobody to play against: with no computer, one computer joins.
void chooseHumans(Settings& settings, int count);
void chooseComputers(Settings& settings, int count);
// A deathmatch is two humans and no computer. Free for All keeps the player counts as they are.
void chooseRule(Settings& settings, int rule);

// Applies a Players or Levels entry; false, and nothing changed, for any other key.
bool applyChoice(Settings& settings, ScriptKey key);
