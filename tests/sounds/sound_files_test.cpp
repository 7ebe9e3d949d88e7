#include "wav_reader.h"
#include "wav_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const std::filesystem::path SoundsDir = ZARVO_SOUNDS_DIR;

const char* const AllCues[] = {"silence.wav", "hum.wav", "turn2.wav", "turn3.wav", "crash.wav"};

// How long the sound itself lasts, up to its last non-zero sample.
struct AudibleCue {
    const char* file;
    double shortestSeconds;
    double longestSeconds;
};
constexpr AudibleCue AudibleCues[] = {
    {"hum.wav", 3.0, 4.0},
    {"turn2.wav", 0.05, 0.1},
    {"turn3.wav", 0.05, 0.1},
    {"crash.wav", 0.35, 0.65},
};

constexpr int FullScale = 32768;
constexpr int ClickFree = FullScale / 100;     // -40 dBFS
constexpr int BelowClipping = 29204;           // -1 dBFS
constexpr int ClearlyAudible = FullScale / 10; // -20 dBFS

MonoClip load(const char* file) {
    return readWav(SoundsDir / file);
}

double seconds(const MonoClip& clip, std::size_t samples) {
    return static_cast<double>(samples) / clip.sampleRate;
}

std::size_t audibleLength(const MonoClip& clip) {
    const auto lastSound = std::find_if(clip.samples.rbegin(), clip.samples.rend(),
                                        [](std::int16_t sample) { return sample != 0; });
    return static_cast<std::size_t>(clip.samples.rend() - lastSound);
}

int peak(const MonoClip& clip) {
    int loudest = 0;
    for (const std::int16_t sample : clip.samples) {
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

} // namespace

TEST(SoundFiles, EveryCueIsA16BitMonoWavAtAStandardRate) {
    for (const char* file : AllCues) {
        SCOPED_TRACE(file);
        MonoClip clip;
        ASSERT_NO_THROW(clip = load(file));
        EXPECT_TRUE(clip.sampleRate == 44100 || clip.sampleRate == 22050) << clip.sampleRate;
    }
}

TEST(SoundFiles, EveryCueEndsWithAtLeast150MillisecondsOfExactSilence) {
    for (const char* file : AllCues) {
        SCOPED_TRACE(file);
        const MonoClip clip = load(file);
        EXPECT_GE(seconds(clip, clip.samples.size() - audibleLength(clip)), 0.15);
    }
}

TEST(SoundFiles, SilenceIsAllZerosYetOutlastsTheTailAPlayerDrops) {
    const MonoClip clip = load("silence.wav");
    EXPECT_EQ(peak(clip), 0);
    EXPECT_GE(seconds(clip, clip.samples.size()), 0.2);
}

TEST(SoundFiles, AudibleCuesAreClearlyAudibleForTheirIntendedLength) {
    for (const AudibleCue& cue : AudibleCues) {
        SCOPED_TRACE(cue.file);
        const MonoClip clip = load(cue.file);
        EXPECT_GT(peak(clip), ClearlyAudible);
        EXPECT_GE(seconds(clip, audibleLength(clip)), cue.shortestSeconds);
        EXPECT_LE(seconds(clip, audibleLength(clip)), cue.longestSeconds);
    }
}

TEST(SoundFiles, AudibleCuesNeitherClipNorClickAtEitherEnd) {
    for (const AudibleCue& cue : AudibleCues) {
        SCOPED_TRACE(cue.file);
        const MonoClip clip = load(cue.file);
        EXPECT_LT(peak(clip), BelowClipping);
        EXPECT_LT(std::abs(clip.samples.front()), ClickFree);
        EXPECT_LT(std::abs(clip.samples[audibleLength(clip) - 1]), ClickFree);
    }
}

TEST(SoundFiles, TheTwoTurnChirpsSoundDifferent) {
    EXPECT_NE(load("turn2.wav").samples, load("turn3.wav").samples);
}

TEST(WavFiles, ReadBackExactlyWhatWasWritten) {
    const auto path = std::filesystem::temp_directory_path() / "zarvo_wav_round_trip.wav";
    const MonoClip written{22050, {0, 1, -1, 32767, -32768, 1234, -4321}};
    writeWav(path, written);
    const MonoClip read = readWav(path);
    std::filesystem::remove(path);
    EXPECT_EQ(read.sampleRate, written.sampleRate);
    EXPECT_EQ(read.samples, written.samples);
}

TEST(WavFiles, AreRejectedWhenCutShorterThanTheirHeaderSays) {
    const auto path = std::filesystem::temp_directory_path() / "zarvo_wav_cut_short.wav";
    writeWav(path, MonoClip{44100, std::vector<std::int16_t>(100, 5)});
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 2);
    EXPECT_THROW(readWav(path), std::runtime_error);
    std::filesystem::remove(path);
}
