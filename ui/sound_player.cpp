#include "ui/sound_player.h"

#include "ui/cue_output.h"

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
        output_ = openCueOutput(source_);
    }
    output_->play(std::move(cue));
}

// A file found unplayable is read again at its next cue: it may have been put right since.
std::shared_ptr<const Cue> SoundPlayer::cueFor(const QString& path) {
    if (std::shared_ptr<const Cue> cue = cues_.value(path)) {
        return cue;
    }
    std::optional<Cue> read = readWaveFile(path);
    if (!read) {
        return nullptr;
    }
    auto cue = std::make_shared<const Cue>(std::move(*read));
    cues_.insert(path, cue);
    return cue;
}
