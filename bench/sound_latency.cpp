// Times SoundPlayer::PlaySoundFile for the game's five cues in the order a match first uses them,
// in a fresh process, a tick's length apart, after the sound module was preloaded as the game
// window does: the first call of each cue (it decodes the file; the first cue with sound in it
// also opens the sound output, which asks for the server without waiting for it), then five
// more, which find the cue decoded. Prints one line a cue: name, first call, median and longest
// of the later calls, in milliseconds. bench/run-process runs it with a sound server, without
// one and with one that does not answer.
#include "ui/sound_player.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <array>
#include <cstdio>

namespace {

double callMilliseconds(SoundPlayer& player, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    player.PlaySoundFile(path);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// What happens between two cues in the game: events run for a tick's length.
void runEventsForATick() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 100) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    SoundPlayer player;
    // As the game window does once it is up, a tick or more before any New Game.
    player.preload();
    runEventsForATick();
    const char* cues[] = {"silence", "hum", "turn2", "turn3", "crash"};
    for (const char* cue : cues) {
        const QString path =
            QCoreApplication::applicationDirPath() + QStringLiteral("/sounds/%1.wav").arg(cue);
        const double first = callMilliseconds(player, path);
        runEventsForATick();
        std::array<double, 5> later{};
        for (double& call : later) {
            call = callMilliseconds(player, path);
            runEventsForATick();
        }
        std::sort(later.begin(), later.end());
        std::printf("%s %.3f %.3f %.3f\n", cue, first, later[later.size() / 2], later.back());
    }
    return 0;
}
