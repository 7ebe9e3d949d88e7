#include "ui/sound_player.h"

#include "ui/wave_file.h"

#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

void SoundPlayer::PlaySoundFile(const QString& path) {
    QSoundEffect* effect = effectFor(path);
    // Two effects playing at once would be mixed; play() restarts an effect already playing.
    if (current_ != nullptr && current_ != effect) {
        current_->stop();
    }
    current_ = effect;
    // An effect still loading starts once its file is read; without an audio device it is silent.
    if (effect != nullptr) {
        effect->play();
    }
}

// A truncated file would never finish loading, and an effect left loading makes the destruction
// of every effect wait for it forever; so only complete files are handed to an effect. A file
// found unplayable is checked again at its next cue.
QSoundEffect* SoundPlayer::effectFor(const QString& path) {
    if (QSoundEffect* effect = effects_.value(path)) {
        return effect;
    }
    if (!isCompleteWaveFile(path)) {
        return nullptr;
    }
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
    effects_.insert(path, effect);
    return effect;
}
