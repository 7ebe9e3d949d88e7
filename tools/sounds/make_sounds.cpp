// zarvo-make-sounds <outdir>: writes the game's sound cues as WAV files into <outdir>.

#include "sound_cues.h"
#include "wav_writer.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zarvo-make-sounds <outdir>\n";
        return 2;
    }
    const struct {
        const char* file;
        MonoClip (*make)();
    } cues[] = {
        {"silence.wav", silenceCue}, {"hum.wav", humCue},     {"turn2.wav", turn2Cue},
        {"turn3.wav", turn3Cue},     {"crash.wav", crashCue},
    };
    try {
        const std::filesystem::path outdir = argv[1];
        std::filesystem::create_directories(outdir);
        for (const auto& cue : cues) {
            writeWav(outdir / cue.file, cue.make());
        }
    } catch (const std::exception& error) {
        std::cerr << "zarvo-make-sounds: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
