#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// How a cue's samples are laid out: 16-bit signed integers in the machine's byte order,
// `channels` of them to a frame, `sampleRate` frames a second.
struct CueFormat {
    int sampleRate = 0;
    int channels = 0;

    int bytesPerFrame() const { return channels * static_cast<int>(sizeof(std::int16_t)); }
    bool isValid() const { return sampleRate > 0 && channels > 0; }
    friend bool operator==(const CueFormat&, const CueFormat&) = default;
};

// The sound of one WAV file, decoded: its format and its samples up to the last that is not
// silent (none for a file of silence).
struct Cue {
    CueFormat format;
    QByteArray samples;
};

// The file's sound, or nothing when the file is missing or unreadable, when it is not a WAV file
// of plain samples, or when it holds less sound data than its header announces.
std::optional<Cue> readWaveFile(const QString& path);
