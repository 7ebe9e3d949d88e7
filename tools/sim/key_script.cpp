#include "key_script.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

namespace {

constexpr std::array AllKeys = {ScriptKey::Up,    ScriptKey::Down,   ScriptKey::Left,
                                ScriptKey::Right, ScriptKey::W,      ScriptKey::A,
                                ScriptKey::S,     ScriptKey::D,      ScriptKey::Pause,
                                ScriptKey::Stop,  ScriptKey::NewGame};

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<ScriptKey> keyNamed(std::string_view name) {
    for (const ScriptKey key : AllKeys) {
        if (sameIgnoringCase(keyName(key), name)) {
            return key;
        }
    }
    return std::nullopt;
}

// A whole number of at least 1, and nothing else.
std::optional<int> positiveNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || rest != end || value < 1) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string_view keyName(ScriptKey key) {
    switch (key) {
    case ScriptKey::Up:
        return "Up";
    case ScriptKey::Down:
        return "Down";
    case ScriptKey::Left:
        return "Left";
    case ScriptKey::Right:
        return "Right";
    case ScriptKey::W:
        return "W";
    case ScriptKey::A:
        return "A";
    case ScriptKey::S:
        return "S";
    case ScriptKey::D:
        return "D";
    case ScriptKey::Pause:
        return "Pause";
    case ScriptKey::Stop:
        return "Stop";
    case ScriptKey::NewGame:
        return "NewGame";
    }
    return "";
}

std::optional<Key> keyboardKey(ScriptKey key) {
    switch (key) {
    case ScriptKey::Up:
        return Key::Up;
    case ScriptKey::Down:
        return Key::Down;
    case ScriptKey::Left:
        return Key::Left;
    case ScriptKey::Right:
        return Key::Right;
    case ScriptKey::W:
        return Key::W;
    case ScriptKey::A:
        return Key::A;
    case ScriptKey::S:
        return Key::S;
    case ScriptKey::D:
        return Key::D;
    case ScriptKey::Pause:
        return Key::Pause;
    case ScriptKey::NewGame:
        return Key::Space;
    case ScriptKey::Stop:
        break;
    }
    return std::nullopt;
}

KeyScript KeyScript::parse(std::istream& in, const std::string& sourceName) {
    KeyScript script;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        const auto fail = [&](const std::string& why) {
            std::string message = sourceName;
            message += ':';
            message += std::to_string(lineNumber);
            message += ": ";
            message += why;
            throw KeyScriptError(message);
        };
        std::istringstream fields(line.substr(0, line.find('#')));
        std::vector<std::string> words;
        for (std::string word; fields >> word;) {
            words.push_back(word);
        }
        if (words.empty()) {
            continue;
        }
        if (words.size() != 3) {
            fail("expected MATCH TICK KEY, found \"" + line + "\"");
        }
        const auto match = positiveNumber(words[0]);
        if (!match) {
            fail("match number \"" + words[0] + "\" is not a whole number of at least 1");
        }
        const auto tick = positiveNumber(words[1]);
        if (!tick) {
            fail("step \"" + words[1] + "\" is not a whole number of at least 1");
        }
        const auto key = keyNamed(words[2]);
        if (!key) {
            fail("unknown key \"" + words[2] +
                 "\" (expected Up, Down, Left, Right, W, A, S, D, Pause, Stop or NewGame)");
        }
        script.keys_[{*match, *tick}].push_back(*key);
    }
    return script;
}

KeyScript KeyScript::load(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw KeyScriptError(path + ": cannot open the key file");
    }
    return parse(file, path);
}

std::span<const ScriptKey> KeyScript::keysAt(int match, int tick) const {
    const auto found = keys_.find({match, tick});
    if (found == keys_.end()) {
        return {};
    }
    return found->second;
}
