#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <optional>

// The sound of one WAV file, decoded: its format and its samples up to the last that is not
// silent (none for a file of silence).
struct Cue {
    QAudioFormat format;
    QByteArray samples;
};

// The file's sound, or nothing when the file is missing or unreadable, when its format is not
// one Qt reads, or when it holds less sound data than its header announces.
std::optional<Cue> readWaveFile(const QString& path);
