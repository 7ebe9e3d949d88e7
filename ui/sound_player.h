#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

// Plays WAV files without waiting; a new sound cuts off the one playing. A missing, empty or
// corrupt file, or no audio device at all, is silent.
class SoundPlayer : public QObject {
    Q_OBJECT

  public:
    explicit SoundPlayer(QObject* parent = nullptr);

    void PlaySoundFile(const QString& path);

  private:
    QSoundEffect* effectFor(const QString& path);

    // One effect per playable file, so that each file is read once per run.
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};
