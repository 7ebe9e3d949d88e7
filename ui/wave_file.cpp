#include "ui/wave_file.h"

#include <QFile>
#include <QWaveDecoder>

bool isCompleteWaveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QWaveDecoder decoder(&file);
    // On a file, the decoder reads the header while it opens.
    decoder.open(QIODevice::ReadOnly);
    return decoder.audioFormat().isValid() && decoder.size() > 0 &&
           decoder.size() <= decoder.bytesAvailable();
}
