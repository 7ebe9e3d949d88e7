#include "wav_reader.h"

#include "wav_layout.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

class ByteCursor {
  public:
    explicit ByteCursor(const std::string& bytes) : bytes_(bytes) {}

    std::string_view tag() { return std::string_view(bytes_).substr(take(4), 4); }

    std::uint32_t number(int width) {
        const std::size_t start = take(width);
        std::uint32_t value = 0;
        for (int i = width - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(bytes_[start + i]);
        }
        return value;
    }

  private:
    std::size_t take(int width) {
        const std::size_t start = position_;
        position_ += static_cast<std::size_t>(width);
        return start;
    }

    const std::string& bytes_;
    std::size_t position_ = 0;
};

void require(bool condition, const std::filesystem::path& path, const std::string& problem) {
    if (!condition) {
        throw std::runtime_error(path.string() + ": " + problem);
    }
}

} // namespace

MonoClip readWav(const std::filesystem::path& path) {
    using namespace WavLayout;
    std::ifstream file(path, std::ios::binary);
    require(file.is_open(), path, "cannot open");
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    require(bytes.size() >= HeaderBytes, path, "shorter than a WAV header");

    ByteCursor cursor(bytes);
    require(cursor.tag() == "RIFF", path, "no RIFF tag");
    require(cursor.number(4) == bytes.size() - 8, path, "RIFF size disagrees with file length");
    require(cursor.tag() == "WAVE", path, "no WAVE tag");
    require(cursor.tag() == "fmt ", path, "no fmt chunk after the RIFF header");
    require(cursor.number(4) == FormatChunkBytes, path, "fmt chunk is not 16 bytes");
    require(cursor.number(2) == PcmFormat, path, "not PCM");
    require(cursor.number(2) == Channels, path, "not mono");
    const std::uint32_t sampleRate = cursor.number(4);
    require(cursor.number(4) == sampleRate * BytesPerSample, path, "byte rate is inconsistent");
    require(cursor.number(2) == BytesPerSample, path, "block align is inconsistent");
    require(cursor.number(2) == BitsPerSample, path, "not 16-bit");
    require(cursor.tag() == "data", path, "no data chunk after the fmt chunk");
    const std::uint32_t dataBytes = cursor.number(4);
    require(dataBytes == bytes.size() - HeaderBytes, path, "data size disagrees with file length");
    require(dataBytes % BytesPerSample == 0, path, "data ends inside a sample");

    MonoClip clip;
    clip.sampleRate = static_cast<int>(sampleRate);
    clip.samples.resize(dataBytes / BytesPerSample);
    for (std::int16_t& sample : clip.samples) {
        sample = static_cast<std::int16_t>(cursor.number(BytesPerSample));
    }
    return clip;
}
