#pragma once

#include "match/keys.h"

#include <QtGlobal>
#include <optional>

// The game key for a Qt key code; letters match whatever the Shift and Caps Lock state.
std::optional<Key> gameKey(int qtKey);

// The Qt key code the game reads for a press. Letters count as letters on a layout that types
// Latin ones; a key that types a letter of another script (ru, el, ...) counts by its place:
// the keys where a US keyboard has W, A, S and D are those letters. X11 and Wayland both give
// the place as the evdev code plus 8.
int keyAsPlayed(int qtKey, quint32 nativeScanCode);
