#include "game_window_fixture.h"
#include "scores/frmScore.h"
#include "ui/splash_picture.h"

#include <QAction>
#include <QMenuBar>

// Keys reach the arena through the window system and steer, start or pause a match.
class KeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void keys_start_pause_and_steer_as_the_players_expect() {
        const auto window = startedWindow();
        QVERIFY(window);
        GameMenus& m = window->menus();
        for (const QString& key :
             QString("Up Down Left Right W S A D Pause Tab Ctrl+P").split(' ')) {
            press(*window, key); // nothing to steer or pause before the first match
        }
        QCOMPARE(QApplication::focusWidget(), window->controls().picField); // Tab kept it
        for (const QString& key : QString("Space Ctrl+P Pause Pause Ctrl+P").split(' ')) {
            // Space and Pause act whatever the state of their menu entries.
            m.mnuGamePause->setEnabled(key.startsWith("Ctrl"));
            m.mnuGameNew->setEnabled(key.startsWith("Ctrl"));
            const bool wasTicking = window->tmrPulse().isActive();
            press(*window, key);
            QVERIFY2(window->tmrPulse().isActive() != wasTicking, qPrintable(key));
        }
        window->tmrPulse_Timer();
        press(*window, "Ctrl+N");
        QCOMPARE(window->match().cycle(1)->X(), 1);
        press(*window, "Ctrl+S");
        QVERIFY(!window->match().MatchInProgress());

        // Keys (auto-repeated or not) and humans, then the headings of slots 1 and 2.
        const std::tuple<const char*, bool, int, int, int> table[] = {
            {"Down", true, 1, Down, Up}, // slot 2 unplaced, as it starts
            {"Up Left", false, 1, Left, Up},      {"Down Right", false, 1, Right, Up},
            {"S A", false, 1, Right, Up},         {"Up", false, 2, Up, Right},
            {"Shift+S", false, 2, Right, Down},   {"W A", false, 2, Right, Left},
            {"S Shift+D", false, 2, Right, Right}};
        for (const auto& [keys, autoRepeated, humans, first, second] : table) {
            (humans == 1 ? m.mnuPlayersHumanOne : m.mnuPlayersHumanTwo)->trigger();
            press(*window, "Space");
            for (const QString& key : QString(keys).split(' ')) {
                press(*window, key, autoRepeated);
                window->tmrPulse_Timer(); // a turn counts from the next move
            }
            QCOMPARE(window->match().cycle(1)->Direction(), first);
            QCOMPARE(window->match().cycle(2)->Direction(), second);
        }

        // A layout without Latin letters steers player 2 by the keys' places. Key, X11 scan code
        // (evdev + 8), player 2's heading after the next move.
        press(*window, "Space");
        const std::tuple<int, quint32, int> places[] = {
            {0x426, 25, Up},       // Cyrillic TSE where a US keyboard has W
            {0x412, 40, Right},    // VE at D
            {0x42B, 39, Down},     // YERU at S
            {0x419, 24, Down},     // SHORT I at Q: nothing
            {0x424, 38, Left},     // EF at A
            {Qt::Key_Z, 25, Left}, // a Latin layout's Z at W's place: nothing
            {Qt::Key_W, 52, Up}};  // its W at Z's place
        for (const auto& [key, scanCode, heading] : places) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::ShiftModifier, scanCode, 0, 0);
            QApplication::sendEvent(window->controls().picField, &event);
            window->tmrPulse_Timer();
            QCOMPARE(window->match().cycle(2)->Direction(), heading);
        }

        // Keys pressed on the Scoreboard steer; "&Clear Scores" gives the keyboard back.
        window->menus().mnuScore->trigger();
        frmScore& board = window->scoreWindow();
        board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        QTest::keyClick(&board, Qt::Key_Down);
        window->tmrPulse_Timer();
        QCOMPARE(window->match().cycle(1)->Direction(), Down);
        board.menuBar()->actions().constFirst()->trigger();
        QTRY_COMPARE(QApplication::focusWidget(), window->controls().picField);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
