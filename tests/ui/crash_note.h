#pragma once

#include <algorithm>
#include <csignal>
#include <cstring>
#include <string_view>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/common_interface_defs.h>
#define ZARVO_CRASH_NOTE_SANITIZER 1
#endif
#endif

// A line written to stderr if the process dies of a fatal signal or a sanitizer report while the
// note is held, so that a crash deep inside a long randomised run still names the step to
// replay. The previous handlers (the test framework's, the sanitizer's) run after it.
class CrashNote {
  public:
    CrashNote() {
        for (std::size_t i = 0; i < std::size(Signals); ++i) {
            struct sigaction action {};
            action.sa_handler = &CrashNote::onSignal;
            sigemptyset(&action.sa_mask);
            sigaction(Signals[i], &action, &previous()[i]);
        }
#ifdef ZARVO_CRASH_NOTE_SANITIZER
        __sanitizer_set_death_callback(&CrashNote::write);
#endif
    }

    ~CrashNote() {
#ifdef ZARVO_CRASH_NOTE_SANITIZER
        __sanitizer_set_death_callback(nullptr);
#endif
        for (std::size_t i = 0; i < std::size(Signals); ++i) {
            sigaction(Signals[i], &previous()[i], nullptr);
        }
        text()[0] = '\0';
    }

    CrashNote(const CrashNote&) = delete;
    CrashNote& operator=(const CrashNote&) = delete;

    // Replaces the note; a longer one is cut short.
    void set(std::string_view line) {
        const std::size_t length = std::min(line.size(), Capacity - 2);
        std::memcpy(text(), line.data(), length);
        text()[length] = '\n';
        text()[length + 1] = '\0';
    }

  private:
    static constexpr std::size_t Capacity = 512;
    static constexpr int Signals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

    static char* text() {
        static char buffer[Capacity] = {};
        return buffer;
    }

    static struct sigaction* previous() {
        static struct sigaction actions[std::size(Signals)] = {};
        return actions;
    }

    static void write() {
        const ssize_t written = ::write(STDERR_FILENO, text(), std::strlen(text()));
        static_cast<void>(written);
    }

    static void onSignal(int signal) {
        write();
        for (std::size_t i = 0; i < std::size(Signals); ++i) {
            if (Signals[i] == signal) {
                sigaction(signal, &previous()[i], nullptr);
            }
        }
        std::raise(signal);
    }
};
