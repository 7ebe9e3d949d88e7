#include "wav_writer.h"

#include "wav_layout.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace {

// WAV fields are little-endian whatever the host's byte order.
void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

} // namespace

void writeWav(const std::filesystem::path& path, const MonoClip& clip) {
    using namespace WavLayout;
    const auto dataBytes = static_cast<std::uint32_t>(clip.samples.size() * BytesPerSample);
    const auto sampleRate = static_cast<std::uint32_t>(clip.sampleRate);

    std::string bytes;
    bytes.reserve(HeaderBytes + dataBytes);
    bytes += "RIFF";
    putLittleEndian(bytes, HeaderBytes - 8 + dataBytes, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, FormatChunkBytes, 4);
    putLittleEndian(bytes, PcmFormat, 2);
    putLittleEndian(bytes, Channels, 2);
    putLittleEndian(bytes, sampleRate, 4);
    putLittleEndian(bytes, sampleRate * Channels * BytesPerSample, 4);
    putLittleEndian(bytes, Channels * BytesPerSample, 2);
    putLittleEndian(bytes, BitsPerSample, 2);
    bytes += "data";
    putLittleEndian(bytes, dataBytes, 4);
    for (const std::int16_t sample : clip.samples) {
        putLittleEndian(bytes, static_cast<std::uint16_t>(sample), BytesPerSample);
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}
