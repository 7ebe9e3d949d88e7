#include "ui/sound_backend.h"

namespace {
class LinkedSoundBackend final : public SoundBackend {
  public:
    std::optional<Cue> decode(const QString& path) const override { return readWaveFile(path); }
    std::unique_ptr<CueOutput> open(CueSource& source) const override {
        return openCueOutput(source);
    }
};
} // namespace

const SoundBackend& linkedSoundBackend() {
    static const LinkedSoundBackend backend;
    return backend;
}
