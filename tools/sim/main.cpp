#include "options.h"
#include "runner.h"
#include "session/key_script.h"
#include "summary.h"
#include "trace.h"
#include "usage.h"

#include <iostream>
#include <memory>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    RunOptions options;
    KeyScript keys;
    try {
        options = parseOptions(arguments);
        if (options.help) {
            std::cout << usageText;
            return 0;
        }
        if (!options.keysFile.empty()) {
            keys = KeyScript::load(options.keysFile);
            if (keys.recordedSeed()) {
                throw UsageError(options.keysFile + " is a recording: play it with --replay");
            }
        }
        if (!options.replayFile.empty()) {
            keys = KeyScript::loadRecording(options.replayFile);
        }
    } catch (const std::runtime_error& error) {
        std::cerr << "zarvo-sim: " << error.what() << "\nTry 'zarvo-sim --help'.\n";
        return 2;
    }

    std::unique_ptr<MatchReport> report;
    if (options.trace) {
        report = std::make_unique<JsonTrace>(std::cout);
    } else {
        report = std::make_unique<Summary>(std::cout);
    }
    try {
        Runner(options, keys, *report).run();
    } catch (const InvariantViolation& violation) {
        std::cout.flush();
        std::cerr << "zarvo-sim: check failed: " << violation.what() << '\n';
        return 3;
    }
    return 0;
}
