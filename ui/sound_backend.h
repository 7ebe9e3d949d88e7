#pragma once

#include "ui/cue_output.h"

#include <QString>
#include <memory>
#include <optional>

// What plays the cues: a decoder for the cue files and the platform's sound output. It lives
// in a module of its own, with the sound server's client library and the decoder's codecs, which
// the game loads once its window is up (or at a cue before that) instead of as it starts.
class SoundBackend {
  public:
    virtual ~SoundBackend() = default;

    // The file's sound, as readWaveFile reads it.
    virtual std::optional<Cue> decode(const QString& path) const = 0;
    // An output playing `source`, as openCueOutput opens it.
    virtual std::unique_ptr<CueOutput> open(CueSource& source) const = 0;
};

// The backend built into this program: readWaveFile and openCueOutput as linked.
const SoundBackend& linkedSoundBackend();

// The module's backend, loaded at the first call, from any thread; null when the module is
// missing or broken, and the game is then silent.
const SoundBackend* loadSoundBackend();

// The module's one entry point, a function of this name returning its backend.
inline constexpr char SoundModuleEntry[] = "zarvoSoundBackend";
using SoundModuleEntryFunction = const SoundBackend* (*)();
