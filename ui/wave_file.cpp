#include "ui/wave_file.h"

#include <QFile>
#include <QWaveDecoder>

namespace {

// Drops the silent frames at the end: nothing is played, and no sound server is kept busy, for
// a cue that has ended to the ear. A cue of silence keeps no frame at all.
void chopTrailingSilence(Cue& cue) {
    const char silent = cue.format.sampleFormat() == QAudioFormat::UInt8 ? '\x80' : '\0';
    const qsizetype frame = cue.format.bytesPerFrame();
    qsizetype end = cue.samples.size();
    while (end > 0 && cue.samples.at(end - 1) == silent) {
        --end;
    }
    cue.samples.truncate((end + frame - 1) / frame * frame);
}

} // namespace

std::optional<Cue> readWaveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QWaveDecoder decoder(&file);
    // On a file, the decoder reads the header while it opens.
    if (!decoder.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
        !decoder.audioFormat().isValid() || decoder.size() <= 0) {
        return std::nullopt;
    }
    Cue cue{decoder.audioFormat(), decoder.read(decoder.size())};
    // A file cut short would play only in part.
    if (cue.samples.size() != decoder.size()) {
        return std::nullopt;
    }
    // A last frame cut short would shift every later sound played on the same stream.
    cue.samples.chop(cue.samples.size() % cue.format.bytesPerFrame());
    chopTrailingSilence(cue);
    return cue;
}
