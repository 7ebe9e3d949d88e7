#include "session/key_script.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace {

constexpr std::string_view VersionWord = "zarvo-cycles";

// A whole number and nothing else.
template <typename Number> std::optional<Number> wholeNumber(std::string_view text) {
    Number value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || rest != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> numberFrom(std::string_view text, int lowest) {
    const auto value = wholeNumber<int>(text);
    return value && *value >= lowest ? value : std::nullopt;
}

// A file's text in a message: a damaged file's line can be of any length.
std::string quoted(std::string_view text) {
    constexpr std::size_t Shown = 60;
    return "\"" + std::string(text.substr(0, Shown)) + (text.size() > Shown ? "...\"" : "\"");
}

// Reads one file's lines in turn, knowing whether it is a recording and, if so, where in the
// session it has got to.
class Reader {
  public:
    explicit Reader(std::string sourceName) : source_(std::move(sourceName)) {}

    std::optional<std::uint64_t> seed;

    // The key on a line, if it has one.
    std::optional<ScriptLine> read(int lineNumber, const std::string& line) {
        lineNumber_ = lineNumber;
        std::istringstream fields(line.substr(0, line.find('#')));
        std::vector<std::string> words;
        for (std::string word; fields >> word;) {
            words.push_back(word);
        }
        if (lineNumber == 1 && !words.empty() && words[0] == VersionWord) {
            readVersion(words);
        } else if (recording_ && !seed && !words.empty()) {
            readSeed(words, line);
        } else if (!words.empty()) {
            return readKey(words, line);
        }
        return std::nullopt;
    }

    void finish(int lastLine) {
        if (recording_ && !seed) {
            lineNumber_ = lastLine + 1;
            fail("the recording ends before its \"seed N\" line");
        }
    }

  private:
    [[noreturn]] void fail(const std::string& why) const {
        throw KeyScriptError(source_ + ':' + std::to_string(lineNumber_) + ": " + why);
    }

    void readVersion(const std::vector<std::string>& words) {
        const std::string expected =
            std::string(VersionWord) + " recording " + std::to_string(KeyScript::RecordingVersion);
        const auto version = words.size() == 3 && words[1] == "recording"
                                 ? wholeNumber<int>(words[2])
                                 : std::nullopt;
        if (!version) {
            fail("expected " + quoted(expected) + " as the first line of a recording");
        }
        if (*version != KeyScript::RecordingVersion) {
            fail("a recording in format " + std::to_string(*version) + ", made by " +
                 (*version < KeyScript::RecordingVersion ? "an older" : "a newer") +
                 " version of the game; this one replays format " +
                 std::to_string(KeyScript::RecordingVersion) + " only");
        }
        recording_ = true;
    }

    void readSeed(const std::vector<std::string>& words, const std::string& line) {
        if (words.size() != 2 || words[0] != "seed") {
            fail("expected \"seed N\" after the format line, found " + quoted(line));
        }
        seed = wholeNumber<std::uint64_t>(words[1]);
        if (!seed) {
            fail("seed " + quoted(words[1]) +
                 " is not a whole number from 0 to 18446744073709551615");
        }
    }

    ScriptLine readKey(const std::vector<std::string>& words, const std::string& line) {
        if (words.size() != 3) {
            fail("expected MATCH TICK KEY, found " + quoted(line));
        }
        const int firstMatch = recording_ ? 0 : 1;
        const auto match = numberFrom(words[0], firstMatch);
        if (!match) {
            fail("match number " + quoted(words[0]) + " is not a whole number of at least " +
                 std::to_string(firstMatch));
        }
        const auto tick = numberFrom(words[1], 1);
        if (!tick) {
            fail("step " + quoted(words[1]) + " is not a whole number of at least 1");
        }
        const auto key = keyNamed(words[2]);
        if (!key) {
            fail("unknown key " + quoted(words[2]) +
                 " (expected Up, Down, Left, Right, W, A, S, D, Pause, Stop, NewGame, Quit or a "
                 "menu entry such as TwoHumans)");
        }
        if (recording_) {
            followSession(*match, *tick, *key);
        }
        return {*match, *tick, *key};
    }

    // A recording keeps the session in order: one match after another, each begun by the
    // NewGame before it, its steps never going back, and nothing after Quit.
    void followSession(int match, int tick, ScriptKey key) {
        if (quit_) {
            fail("nothing can follow Quit, the end of the session");
        }
        if (match != match_) {
            fail("expected match " + std::to_string(match_) + ", found " + std::to_string(match) +
                 " (each NewGame begins the next match)");
        }
        if (tick < tick_) {
            fail("step " + std::to_string(tick) + " comes after step " + std::to_string(tick_));
        }
        tick_ = tick;
        if (key == ScriptKey::NewGame) {
            ++match_;
            tick_ = 1;
        }
        quit_ = key == ScriptKey::Quit;
    }

    std::string source_;
    int lineNumber_ = 0;
    bool recording_ = false;
    int match_ = 0;
    int tick_ = 1;
    bool quit_ = false;
};

} // namespace

KeyScript KeyScript::parse(std::istream& in, const std::string& sourceName) {
    KeyScript script;
    Reader reader(sourceName);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        if (const auto read = reader.read(++lineNumber, line)) {
            script.add(*read);
        }
    }
    reader.finish(lineNumber);
    script.seed_ = reader.seed;
    return script;
}

KeyScript KeyScript::load(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw KeyScriptError(path + ": cannot open the file");
    }
    return parse(file, path);
}

KeyScript KeyScript::loadRecording(const std::string& path) {
    KeyScript script = load(path);
    if (!script.seed_) {
        throw KeyScriptError(path + ": not a recording (a recording begins with the line \"" +
                             std::string(VersionWord) + " recording " +
                             std::to_string(RecordingVersion) + "\")");
    }
    return script;
}

void KeyScript::add(const ScriptLine& line) {
    lines_.push_back(line);
    keys_[{line.match, line.tick}].push_back(line.key);
}

std::span<const ScriptKey> KeyScript::keysAt(int match, int tick) const {
    const auto found = keys_.find({match, tick});
    if (found == keys_.end()) {
        return {};
    }
    return found->second;
}

std::string recordingHeader(std::uint64_t seed) {
    return std::string(VersionWord) + " recording " + std::to_string(KeyScript::RecordingVersion) +
           "\nseed " + std::to_string(seed) +
           "\n# MATCH TICK KEY: KEY came before tick TICK of match MATCH (0: before the first)\n";
}

std::string recordingLine(const ScriptLine& line) {
    return std::to_string(line.match) + ' ' + std::to_string(line.tick) + ' ' +
           std::string(keyName(line.key)) + '\n';
}
