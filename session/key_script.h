#pragma once

#include "session/script_key.h"

#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A key file or recording that cannot be read; what() names the file and line.
class KeyScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One line: `key` is pressed before step `tick` of match `match`.
struct ScriptLine {
    int match;
    int tick;
    ScriptKey key;
};

// Keys to press by match number and step, from a key file or a recording.
//
// A key file has lines "MATCH TICK KEY", both numbers from 1; blank lines and everything after
// a "#" are ignored; key names are matched without regard to case. Keys for the same match and
// step keep their order in the file.
//
// A recording is a key file that begins with the line "zarvo-cycles recording 1" (the format's
// version) and a line "seed N", and keeps a whole session in the order it happened: match 0 is
// the time before the first New Game, each NewGame moves on to the next match number, and
// nothing follows Quit. Its lines must say so, or the recording is damaged.
class KeyScript {
  public:
    // Raised whenever the format, or the rules, change so that an older recording would play
    // differently: such a recording is refused rather than replayed wrong.
    static constexpr int RecordingVersion = 1;

    static KeyScript parse(std::istream& in, const std::string& sourceName);
    static KeyScript load(const std::string& path);
    // As load(), but a file that is not a recording is an error too.
    static KeyScript loadRecording(const std::string& path);

    // The keys to press before step `tick` of match `match`, in file order.
    std::span<const ScriptKey> keysAt(int match, int tick) const;
    // Every line, in file order.
    const std::vector<ScriptLine>& lines() const { return lines_; }

    bool empty() const { return lines_.empty(); }
    // A recording's seed; nothing for a key file.
    std::optional<std::uint64_t> recordedSeed() const { return seed_; }

  private:
    void add(const ScriptLine& line);

    std::vector<ScriptLine> lines_;
    std::map<std::pair<int, int>, std::vector<ScriptKey>> keys_;
    std::optional<std::uint64_t> seed_;
};

// A recording as the game writes it: its first lines, then one line per key as it happens.
std::string recordingHeader(std::uint64_t seed);
std::string recordingLine(const ScriptLine& line);
