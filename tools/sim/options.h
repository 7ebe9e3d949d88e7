#pragma once

#include "match/settings.h"

#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// What one run of the match runner plays, as given on its command line.
struct RunOptions {
    std::optional<std::uint64_t> seed; // nothing: a seed taken from the clock
    Settings settings;
    bool boundaries = true; // the arena's edge is a wall
    int matches = 1;
    std::string keysFile;
    std::string replayFile; // a recording of a session
    int maxTicks = 10000;
    bool trace = false;
    bool check = false; // verify the invariants after every tick
    bool help = false;
};

// A command line the runner cannot run; what() says why.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The arguments as main receives them, program name first. A deathmatch always plays two humans
// and no computer, whatever --humans and --computers say, as the Players menu does. --replay
// takes no option that a recording holds itself.
RunOptions parseOptions(const QStringList& arguments);
