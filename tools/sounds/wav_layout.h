#pragma once

#include <cstdint>

// The fixed layout of a plain PCM WAV file: RIFF header, a 16-byte "fmt " chunk, then "data".
namespace WavLayout {
inline constexpr std::uint32_t HeaderBytes = 44;
inline constexpr std::uint32_t FormatChunkBytes = 16;
inline constexpr std::uint16_t PcmFormat = 1;
inline constexpr std::uint16_t Channels = 1;
inline constexpr std::uint16_t BitsPerSample = 16;
inline constexpr std::uint16_t BytesPerSample = BitsPerSample / 8;
} // namespace WavLayout
