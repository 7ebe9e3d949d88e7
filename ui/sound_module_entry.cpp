// The sound module's entry point.
#include "ui/sound_backend.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const SoundBackend* zarvoSoundBackend() {
    return &linkedSoundBackend();
}
