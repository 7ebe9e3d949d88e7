#include "scores/frmScore.h"
#include "ui/frmMain.h"
#include "ui/sound_player.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

namespace {

constexpr int Cycles = 200;
constexpr int TicksPerMatch = 25;

// Every match setting in turn, chosen through the menus as a person would between matches.
void chooseSettings(GameMenus& menus, int cycle) {
    const auto choose = [](QAction* entry) {
        if (entry->isEnabled()) {
            entry->trigger();
        }
    };
    if (cycle % 5 == 4) {
        choose(menus.mnuPlayersMatchDeathmatch);
    } else {
        choose(menus.mnuPlayersMatchFreeForAll);
        choose(cycle % 2 == 0 ? menus.mnuPlayersHumanOne : menus.mnuPlayersHumanTwo);
        const int computers = cycle % (GameMenus::ArraySize + 1);
        choose(computers == 0 ? menus.mnuPlayersComputerNone
                              : menus.mnuPlayersComputerNumber(computers));
    }
    const int level = cycle % (GameMenus::ArraySize + 2);
    choose(level == 0   ? menus.mnuLevelsEmpty
           : level == 1 ? menus.mnuLevelsRandom
                        : menus.mnuLevelsNumber(level - 1));
    if (cycle % 3 == 0) {
        choose(menus.mnuGameBoundaries);
    }
}

// Everything the game keeps in its object trees and in the application's list of widgets.
qsizetype heldObjects(frmMain& window) {
    return window.findChildren<QObject*>().size() +
           window.scoreWindow().findChildren<QObject*>().size() +
           window.sounds().findChildren<QObject*>().size() + QApplication::allWidgets().size();
}

} // namespace

// New Game and Stop over and over: nothing piles up in the windows, and in the sanitizer build
// LeakSanitizer checks at exit that nothing was lost.
class LeakCyclesTest : public QObject {
    Q_OBJECT

  private slots:
    void two_hundred_new_games_and_stops_leave_nothing_behind() {
        frmMain window(1905);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.mnuScore_Click();
        GameMenus& menus = window.menus();
        qsizetype settled = 0;
        int stopped = 0;
        for (int cycle = 0; cycle < Cycles; ++cycle) {
            chooseSettings(menus, cycle);
            menus.mnuGameNew->trigger();
            for (int tick = 0; tick < TicksPerMatch && window.tmrPulse().isActive(); ++tick) {
                window.tmrPulse_Timer();
            }
            if (menus.mnuGameStop->isEnabled()) {
                menus.mnuGameStop->trigger();
                ++stopped;
            }
            QCoreApplication::processEvents();
            // By then every level, player count and match rule has had its first match.
            if (cycle == Cycles / 4) {
                settled = heldObjects(window);
            }
        }
        QVERIFY(stopped > Cycles / 2);
        QCOMPARE(heldObjects(window), settled);
    }
};

QTEST_MAIN(LeakCyclesTest)
#include "leak_cycles_test.moc"
