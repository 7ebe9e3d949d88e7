#include "game_window_fixture.h"
#include "ui/splash_picture.h"

#include <QAction>

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
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
