#include <QFile>
#include <QWaveDecoder>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A cue's sample rate and samples as Qt decodes them: mono 16-bit PCM at a standard rate, every
// sample its header promises there.
std::pair<double, std::vector<qint16>> load(const QString& file) {
    QFile device(QStringLiteral(ZARVO_SOUNDS_DIR "/") + file);
    device.open(QIODevice::ReadOnly);
    QWaveDecoder decoder(&device);
    decoder.open(QIODevice::ReadOnly);
    const QAudioFormat format = decoder.audioFormat();
    EXPECT_EQ(std::pair(format.channelCount(), format.sampleFormat()),
              std::pair(1, QAudioFormat::Int16));
    EXPECT_TRUE(format.sampleRate() == 44100 || format.sampleRate() == 22050);
    const QByteArray data = decoder.readAll();
    EXPECT_EQ(data.size(), decoder.size()) << file.toStdString();
    std::vector<qint16> samples(static_cast<std::size_t>(data.size()) / 2);
    std::memcpy(samples.data(), data.data(), samples.size() * 2);
    return {format.sampleRate(), samples};
}

} // namespace

// Some players drop roughly the last 110-140 ms of a clip, so every cue ends in at least 150 ms
// of exact silence; silence.wav is nothing else.
TEST(SoundFiles, EachCueSoundsForItsLengthWithoutClipOrClickThenFallsSilent) {
    constexpr int FullScale = 32768;
    // Each cue, and the shortest and longest time it may sound in seconds.
    for (const auto& [file, shortest, longest] :
         {std::tuple("silence.wav", 0.0, 0.0), std::tuple("hum.wav", 3.0, 4.0),
          std::tuple("turn2.wav", 0.05, 0.1), std::tuple("turn3.wav", 0.05, 0.1),
          std::tuple("crash.wav", 0.35, 0.65)}) {
        SCOPED_TRACE(file);
        const auto [rate, samples] = load(file);
        const auto last =
            std::find_if(samples.rbegin(), samples.rend(), [](qint16 s) { return s; });
        const double audible = static_cast<double>(samples.rend() - last) / rate;
        EXPECT_GE(static_cast<double>(samples.size()) / rate - audible, 0.15) << "silent end";
        EXPECT_TRUE(audible >= shortest && audible <= longest) << audible << " s of sound";
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        const int peak = std::max(-*low, +*high);
        EXPECT_EQ(peak > FullScale / 10, longest > 0) << "-20 dBFS: clearly audible";
        EXPECT_LT(peak, 29204) << "-1 dBFS: no clipping";
        EXPECT_LT(std::abs(samples.front()), FullScale / 100) << "no click at the start";
        EXPECT_LT(std::abs(last == samples.rend() ? 0 : *last), FullScale / 100)
            << "nor at the end";
    }
    EXPECT_NE(load("turn2.wav").second, load("turn3.wav").second);
}
