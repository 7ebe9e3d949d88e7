#pragma once

#include <string_view>

// Sound files, relative to the folder that holds the "sounds" folder.
namespace Sound {
inline constexpr std::string_view Silence = "/sounds/silence.wav";
inline constexpr std::string_view Hum = "/sounds/hum.wav";
inline constexpr std::string_view Turn2 = "/sounds/turn2.wav";
inline constexpr std::string_view Turn3 = "/sounds/turn3.wav";
inline constexpr std::string_view Crash = "/sounds/crash.wav";
} // namespace Sound
