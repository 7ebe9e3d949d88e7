// In place of the game's sound module: the decoder and the output this program links.
#include "ui/sound_backend.h"

const SoundBackend* loadSoundBackend() {
    return &linkedSoundBackend();
}
