#pragma once

#include "match/keys.h"

#include <optional>

// The game key for a Qt key code; letters match whatever the Shift and Caps Lock state.
std::optional<Key> gameKey(int qtKey);
