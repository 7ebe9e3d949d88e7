#include "game_window_fixture.h"
#include "ui/session_replay.h"

#include <sstream>

// A recording played back in the window, and the player's keys meanwhile.
class ReplayTest : public QObject {
    Q_OBJECT

  private slots:
    void the_player_watches_holds_or_takes_over() {
        std::istringstream text(
            "zarvo-cycles recording 1\nseed 1905\n0 1 NewGame\n1 4 Up\n1 8 Quit");
        const KeyScript recording = KeyScript::parse(text, "recording");
        for (const bool takeOver : {false, true}) {
            const auto window = startedWindow(*recording.recordedSeed());
            SessionReplay replay(*window, recording);
            replay.start();
            QCOMPARE(window->windowTitle(), QStringLiteral("Zarvo Cycles 0.5 - replay"));
            QTRY_VERIFY(window->match().MatchInProgress());
            const clsCycle& cycle = *window->match().cycle(1);
            const int row = cycle.Y();
            press(*window, "Down");  // does not steer: the Up recorded for tick 4 still turns it
            press(*window, "Pause"); // holds the replay and the match
            const std::pair held(cycle.X(), cycle.Y());
            QTest::qWait(300);
            QCOMPARE(std::pair(cycle.X(), cycle.Y()), held);
            press(*window, takeOver ? "Space" : "Pause");
            QTRY_VERIFY(replay.finished());
            QCOMPARE(window->windowTitle(), QStringLiteral("Zarvo Cycles 0.5"));
            if (takeOver) { // the new match is the player's
                press(*window, "Down");
                QCOMPARE(window->match().cycle(1)->Direction(), static_cast<int>(Down));
                continue;
            }
            // Seven ticks, the last four up; the match waits, paused, on the recording's end.
            QCOMPARE(std::tuple(cycle.X(), row - cycle.Y(), cycle.Direction()),
                     std::tuple(4, 4, static_cast<int>(Up)));
            QVERIFY(window->match().MatchInProgress() && !window->tmrPulse().isActive());
        }
    }
};

QTEST_MAIN(ReplayTest)
#include "replay_test.moc"
