#pragma once

#include "ui/cue_source.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>

class CueOutput;

// Plays WAV files without waiting; a new sound cuts off the one playing. A missing, empty or
// corrupt file, or no sound server at all, is silent. Each file is decoded once; the sound
// module is loaded by preload() or at the first cue, and its output opened at the first sound
// there is to play, to stay open for the whole run.
class SoundPlayer : public QObject {
    Q_OBJECT

  public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    void PlaySoundFile(const QString& path);
    // Starts loading the sound module on a worker thread, so that the first cue finds it loaded.
    void preload();

    // What the output plays, as it reads it.
    CueSource& source() { return source_; }

  private:
    std::shared_ptr<const Cue> cueFor(const QString& path);

    QHash<QString, std::shared_ptr<const Cue>> cues_;
    CueSource source_;
    std::unique_ptr<CueOutput> output_;
};
