#include "game_window_fixture.h"
#include "ui/splash_picture.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>

// Keys reach the arena through the window system and steer, start or pause a match.
class KeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void before_the_first_match_only_space_does_anything() {
        const auto window = startedWindow();
        QVERIFY(window);
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_W,
                            Qt::Key_S, Qt::Key_A, Qt::Key_D, Qt::Key_Pause, Qt::Key_Tab}) {
            press(*window, key);
        }
        QCOMPARE(window->match().cycle(1), nullptr);
        QVERIFY(!window->tmrPulse().isActive());
        QCOMPARE(window->controls().lblStatus->text(), QStringLiteral("Welcome to Zarvo Cycles!"));
        QVERIFY(window->controls().picSplash->isVisible());
        QVERIFY(!window->hasScoreWindow());
        QCOMPARE(QApplication::focusWidget(), window->controls().picField); // Tab kept it

        press(*window, Qt::Key_Space);
        QVERIFY(window->match().MatchInProgress());
        QVERIFY(window->tmrPulse().isActive());
        QVERIFY(!window->controls().picSplash->isVisible());
    }

    void keys_steer_only_the_cycles_of_the_humans_playing() {
        const auto window = startedWindow();
        QVERIFY(window);
        press(*window, Qt::Key_Space);
        const clsCycle& first = *window->match().cycle(1);
        for (char letter : {'w', 's', 'a', 'd'}) { // one human: the letters match no key
            press(*window, letter);
        }
        QCOMPARE(window->match().cycle(2)->Direction(), int(Up)); // as an unplaced slot starts
        QCOMPARE(first.Direction(), int(Right));
        press(*window, Qt::Key_Left); // straight back: refused
        QCOMPARE(first.Direction(), int(Right));
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(window->controls().picField, &held);
        QCOMPARE(first.Direction(), int(Down));

        window->menus().mnuGameStop->trigger();
        window->menus().mnuPlayersHumanTwo->trigger();
        press(*window, Qt::Key_Space);
        const clsCycle& second = *window->match().cycle(2);
        press(*window, 'w');
        QCOMPARE(second.Direction(), int(Up));
        press(*window, Qt::Key_S, Qt::ShiftModifier);
        QCOMPARE(second.Direction(), int(Down));
        QCOMPARE(window->match().cycle(1)->Direction(), int(Right));
    }

    void space_restarts_and_pause_toggles_only_inside_a_match() {
        const auto window = startedWindow();
        QVERIFY(window);
        QLabel& status = *window->controls().lblStatus;
        press(*window, Qt::Key_N, Qt::ControlModifier);
        for (int tick = 0; tick < 5; ++tick) {
            window->tmrPulse_Timer();
        }
        press(*window, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!window->tmrPulse().isActive());
        QVERIFY(status.isVisible());

        press(*window, Qt::Key_Space); // a fresh match, running at once
        QCOMPARE(window->match().cycle(1)->X(), 1);
        QVERIFY(window->tmrPulse().isActive());
        press(*window, Qt::Key_Pause);
        press(*window, Qt::Key_Pause);
        QVERIFY(window->tmrPulse().isActive());
        QVERIFY(!status.isVisible());

        press(*window, Qt::Key_Pause);
        press(*window, Qt::Key_S, Qt::ControlModifier); // stopped while paused
        press(*window, Qt::Key_Pause);
        QVERIFY(!window->tmrPulse().isActive());
        QVERIFY(!window->match().MatchInProgress());
        QCOMPARE(status.text(), QStringLiteral("The match has been terminated."));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
