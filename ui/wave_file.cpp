#include "ui/wave_file.h"

#include <QFile>
#include <cstring>
#include <memory>
#include <sndfile.h>

namespace {

// Bytes a sample takes in the file, for the encodings of plain samples; 0 for any other.
int fileBytesPerSample(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
        return 1;
    case SF_FORMAT_PCM_16:
        return 2;
    case SF_FORMAT_PCM_24:
        return 3;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
        return 4;
    case SF_FORMAT_DOUBLE:
        return 8;
    default:
        return 0;
    }
}

// The size of the sound data as the file's header announces it. The library reads a file cut
// short as if it were whole, shorter, so only the header tells what is missing.
std::optional<sf_count_t> announcedDataBytes(SNDFILE* file) {
    SF_CHUNK_INFO wanted{};
    std::memcpy(wanted.id, "data", 4);
    wanted.id_size = 4;
    SF_CHUNK_ITERATOR* chunk = sf_get_chunk_iterator(file, &wanted);
    SF_CHUNK_INFO found{};
    if (chunk == nullptr || sf_get_chunk_size(chunk, &found) != SF_ERR_NO_ERROR) {
        return std::nullopt;
    }
    return found.datalen;
}

// Drops the silent frames at the end: nothing is played, and no sound server is kept busy, for
// a cue that has ended to the ear. A cue of silence keeps no frame at all.
void chopTrailingSilence(Cue& cue) {
    const qsizetype frame = cue.format.bytesPerFrame();
    qsizetype end = cue.samples.size();
    while (end > 0 && cue.samples.at(end - 1) == '\0') {
        --end;
    }
    cue.samples.truncate((end + frame - 1) / frame * frame);
}

} // namespace

std::optional<Cue> readWaveFile(const QString& path) {
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &info), sf_close);
    const int type = info.format & SF_FORMAT_TYPEMASK;
    const int sampleBytes = fileBytesPerSample(info.format);
    if (file == nullptr || (type != SF_FORMAT_WAV && type != SF_FORMAT_WAVEX) || sampleBytes == 0 ||
        info.frames <= 0 || info.samplerate <= 0 || info.channels <= 0) {
        return std::nullopt;
    }
    // A last frame cut short is left out, as it would be by any player.
    const std::optional<sf_count_t> announced = announcedDataBytes(file.get());
    const sf_count_t fileBytesPerFrame = sf_count_t{sampleBytes} * info.channels;
    if (!announced || *announced / fileBytesPerFrame != info.frames) {
        return std::nullopt;
    }
    Cue cue{{info.samplerate, info.channels}, QByteArray()};
    cue.samples.resize(static_cast<qsizetype>(info.frames) * cue.format.bytesPerFrame());
    if (sf_readf_short(file.get(), reinterpret_cast<short*>(cue.samples.data()), info.frames) !=
        info.frames) {
        return std::nullopt;
    }
    chopTrailingSilence(cue);
    return cue;
}
