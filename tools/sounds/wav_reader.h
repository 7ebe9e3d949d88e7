#pragma once

#include "mono_clip.h"

#include <filesystem>

// Reads a 16-bit PCM mono WAV file with the plain 44-byte header, as writeWav produces.
// Throws std::runtime_error naming the first thing wrong: a missing file, another layout or
// format, or chunk sizes that disagree with the file's length.
MonoClip readWav(const std::filesystem::path& path);
