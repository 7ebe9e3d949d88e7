#pragma once

#include <QString>

// Whether the file is a WAV file whose format is readable and that holds all the sound data its
// header announces.
bool isCompleteWaveFile(const QString& path);
