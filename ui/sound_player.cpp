#include "ui/sound_player.h"

#include "ui/sound_backend.h"

#include <QThreadPool>

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::PlaySoundFile(const QString& path) {
    std::shared_ptr<const Cue> cue = cueFor(path);
    if (cue == nullptr || cue->samples.isEmpty()) {
        // Silence, or a file that cannot be played, still cuts off what plays.
        if (output_ != nullptr) {
            output_->stop();
        }
        return;
    }
    if (output_ == nullptr) {
        output_ = loadSoundBackend()->open(source_); // a cue was decoded, so there is one
    }
    output_->play(std::move(cue));
}

void SoundPlayer::preload() {
    QThreadPool::globalInstance()->start([] { loadSoundBackend(); });
}

// A file found unplayable is read again at its next cue: it may have been put right since.
std::shared_ptr<const Cue> SoundPlayer::cueFor(const QString& path) {
    if (std::shared_ptr<const Cue> cue = cues_.value(path)) {
        return cue;
    }
    const SoundBackend* backend = loadSoundBackend();
    if (backend == nullptr) {
        return nullptr;
    }
    std::optional<Cue> read = backend->decode(path);
    if (!read) {
        return nullptr;
    }
    auto cue = std::make_shared<const Cue>(std::move(*read));
    cues_.insert(path, cue);
    return cue;
}
