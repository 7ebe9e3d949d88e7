#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// What the game's command line asks for, beyond --help and --version.
struct GameOptions {
    std::optional<std::uint64_t> seed; // the hidden --seed: a fixed random seed
    QString tickLogPath;               // the hidden --tick-log; empty when not asked for
    QString recordPath;                // --record: where the session is written
    QString replayPath;                // --replay: the recording to play back
};

// Reads the command line before any window system is touched, so that --help, --version and a
// wrong option behave the same on a text console as on a desktop: those print their text and
// end the program (status 0, or 1 for a wrong option) from inside this function.
GameOptions readCommandLine(int& argc, char* argv[]);
