#pragma once

#include "match/keys.h"

#include <istream>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The keys and commands a key file can press.
enum class ScriptKey { Up, Down, Left, Right, W, A, S, D, Pause, Stop, NewGame };

// The name a key file and the trace use ("Up", "NewGame").
std::string_view keyName(ScriptKey key);

// The keyboard key that does the same; Stop has none (it is a menu command only).
std::optional<Key> keyboardKey(ScriptKey key);

// A key file that cannot be read; what() names the file and line.
class KeyScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The keys to press, by match number and step: lines "MATCH TICK KEY", both numbers from 1;
// blank lines and everything after a "#" are ignored; key names are matched without regard to
// case. Keys for the same match and step keep their order in the file.
class KeyScript {
  public:
    static KeyScript parse(std::istream& in, const std::string& sourceName);
    static KeyScript load(const std::string& path);

    // The keys to press before step `tick` of match `match`, in file order.
    std::span<const ScriptKey> keysAt(int match, int tick) const;

    bool empty() const { return keys_.empty(); }

  private:
    std::map<std::pair<int, int>, std::vector<ScriptKey>> keys_;
};
