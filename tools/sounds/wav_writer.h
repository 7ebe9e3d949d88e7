#pragma once

#include "mono_clip.h"

#include <filesystem>

// Writes the clip as a 16-bit PCM mono WAV file with the plain 44-byte header.
// Throws std::runtime_error if the file cannot be written.
void writeWav(const std::filesystem::path& path, const MonoClip& clip);
