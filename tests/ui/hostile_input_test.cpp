#include "game_window_fixture.h"
#include "runner.h"
#include "scores/frmScore.h"
#include "summary.h"
#include "ui/session_recorder.h"
#include "ui/splash_picture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <cstdio>
#include <random>
#include <sstream>

namespace {
// A real tick comes at a moment of the wall clock and would make a run unrepeatable: its events
// are dropped, and the run gives the ticks itself.
struct RealTicksHeldBack : QObject {
    const QObject* timer;
    bool eventFilter(QObject* watched, QEvent* event) override {
        return watched == timer && event->type() == QEvent::Timer;
    }
};

// The checked entries, whether Stop, Pause, Boundaries, Players, Levels, New Game, Scores, About
// and Quit are enabled, and whether the arena has the keys, as the window shows them.
QString shown(frmMain& window) {
    const GameMenus& m = window.menus();
    QStringList shown;
    for (const QAction* entry : window.findChildren<QAction*>()) {
        if (entry->isChecked() && entry != m.mnuGameBoundaries) {
            shown << entry->text();
        }
    }
    for (const QAction* entry :
         {m.mnuGameStop, m.mnuGamePause, m.mnuGameBoundaries, m.mnuPlayers->menuAction(),
          m.mnuLevels->menuAction(), m.mnuGameNew, m.mnuScore, m.mnuAbout, m.mnuGameQuit}) {
        shown << (entry->isEnabled() ? "on" : "off");
    }
    return shown.join('|') +
           (QApplication::focusWidget() == window.controls().picField ? "|keys" : "");
}

// The same as the settings and the match call for.
QString due(const frmMain& window) {
    const Settings& s = window.settings();
    const auto pick = [](const char* names, qsizetype i) {
        return QString(names).split('|').value(i, "?");
    };
    const qsizetype level = QString("/\\random||101|102|103|104|105|106")
                                .split('|')
                                .indexOf(QString::fromStdString(s.LevelChoice));
    return QStringList{pick("?|&Free for All|&Deathmatch", s.MatchRule),
                       pick("?|&One Human(s)|&Two Human(s)", s.HumanCount),
                       pick("&No Computer|&One Computer|&Two Computers|&Three Computers|"
                            "&Four Computers|&Five Computers|&Six Computers",
                            s.ComputerCount),
                       pick("&Random Map|&Empty Map|Level &One|Level &Two|Level &Three|"
                            "Level &Four|Level &Five|Level &Six",
                            level),
                       window.match().MatchInProgress() ? "on|on|off|off|off" : "off|off|on|on|on",
                       "on|on|on|on|keys"}
        .join('|');
}
} // namespace

// A person at the window pressing keys, choosing menu entries and clicking at random while the
// match runs. A run replays from its seed: ZARVO_HOSTILE_SEED (printed at the start) with
// ZARVO_HOSTILE_ACTIONS one more than the failing action stops there, and ZARVO_HOSTILE_TRACE
// prints every action, the last one before a crash included. The run is recorded, and its
// recording replayed headless must end with the tallies the window shows.
class HostileInputTest : public QObject {
    Q_OBJECT

  private slots:
    void random_actions_keep_settings_check_marks_and_match_menus_in_agreement() {
        // The default seed's run also presses arrows before its first match.
        const std::uint64_t seed = qEnvironmentVariable("ZARVO_HOSTILE_SEED", "12").toULongLong();
        const int actions = qEnvironmentVariable("ZARVO_HOSTILE_ACTIONS", "20000").toInt();
        qInfo("%d random actions from seed %llu", actions, qulonglong(seed));
        const auto window = startedWindow(seed);
        QVERIFY(window);
        RealTicksHeldBack heldBack;
        heldBack.timer = &window->tmrPulse();
        qApp->installEventFilter(&heldBack);
        const QTemporaryDir folder;
        SessionRecorder recorder(folder.filePath("run"), seed);
        recorder.listenTo(window->menus());
        window->setSessionLink(&recorder);
        // Every key but Quit's Ctrl+Q and Alt, and every menu entry but Quit and About: they
        // would end the run, open a menu that takes the keys, or wait for a click.
        const QStringList keys = QString("Up Down Left Right W S A D Space Pause Ctrl+Left Shift+W "
                                         "Shift+D Shift+Space Shift+Pause Ctrl+N Ctrl+S Ctrl+P Tab "
                                         "Shift+Tab Return Esc X Q N 1 F1 Home Backspace Ctrl+Z")
                                     .split(' ');
        // Mostly ticks, keys and menu choices; now and then a long run of ticks lets a match end.
        // Kinds: 0 a tick, 1 a run of ticks, 2 a key, 3 a menu entry, 4 closing the scoreboard
        // or clearing its scores, 5 a click on the splash.
        std::discrete_distribution<int> pickKind({40, 1, 30, 24, 1, 1});
        std::mt19937_64 random(seed);
        const auto below = [&random](qsizetype n) {
            return std::uniform_int_distribution<qsizetype>(0, n - 1)(random);
        };
        const auto heldObjects = [&window] {
            QTest::qWait(300); // the score window's resize animations end and go
            return window->findChildren<QObject*>().size() + QApplication::allWidgets().size() +
                   window->scoreWindow().findChildren<QObject*>().size() +
                   window->sounds().findChildren<QObject*>().size();
        };
        const auto running = [&window] { return window->match().MatchInProgress(); };
        qsizetype settledObjects = 0;
        int won = 0, stopped = 0;
        for (int index = 0; index < actions; ++index) {
            const bool wasRunning = running();
            const int kind = pickKind(random);
            QString done = QStringLiteral("kind %1").arg(kind);
            if (kind <= 1) { // ticks only while the timer runs, as real ones would come
                for (int tick = kind == 0 ? 1 : 400; tick > 0 && window->tmrPulse().isActive();
                     --tick) {
                    window->tmrPulse_Timer();
                }
            } else if (kind == 2) {
                done = keys.at(below(keys.size()));
                press(*window, done, below(8) == 0);
            } else if (kind == 3) { // only the menus of the menu bar are ever disabled
                QList<QAction*> choices;
                for (QAction* menu : window->menuBar()->actions()) {
                    choices << (menu->isEnabled() && menu->menu()
                                    ? menu->menu()->findChildren<QAction*>()
                                    : QList{menu});
                }
                choices.removeIf([&m = window->menus()](const QAction* a) {
                    return !a->isEnabled() || a->isSeparator() || a->menu() || a == m.mnuGameQuit ||
                           a == m.mnuAbout;
                });
                QAction* chosen = choices.at(below(choices.size()));
                chosen->trigger();
                done = chosen->text();
            } else if (kind == 4 && window->hasScoreWindow()) {
                frmScore& board = window->scoreWindow();
                if (below(2) == 0) {
                    board.close();
                } else {
                    board.menuBar()->actions().constFirst()->trigger();
                }
            } else if (kind == 5 && window->controls().picSplash->isVisible()) {
                QTest::mouseClick(window->controls().picSplash, Qt::LeftButton);
            }
            if (qEnvironmentVariableIsSet("ZARVO_HOSTILE_TRACE")) {
                std::fprintf(stderr, "%d: %s\n", index, qPrintable(done));
            }
            const bool gameOver = window->controls().lblStatus->text().startsWith("Game Over");
            (gameOver ? won : stopped) += wasRunning && !running();
            if (const QString now = shown(*window); now != due(*window)) {
                QFAIL(qPrintable(QString("action %1 (%2): %3 instead of %4")
                                     .arg(index)
                                     .arg(done, now, due(*window))));
            }
            if (index == actions / 4) { // every setting and every lazy object had its turn
                settledObjects = heldObjects();
            }
        }
        // A run that never reached these states would have tested little.
        QVERIFY2(won >= actions / 1000 && stopped >= actions / 100,
                 qPrintable(QString("%1 matches won, %2 stopped").arg(won).arg(stopped)));
        QCOMPARE(heldObjects(), settledObjects); // nothing piles up

        recorder.pass(ScriptKey::Quit);
        std::ostringstream summary;
        Summary report(summary);
        const KeyScript recording = KeyScript::loadRecording(folder.filePath("run").toStdString());
        Runner replay({}, recording, report);
        replay.run();
        for (int p = 1; p <= ScoreTable::Players; ++p) {
            const ScoreTable &headless = replay.scores(), &shown = window->scoreWindow().tallies();
            QCOMPARE(std::tuple(headless.points(p), headless.kills(p), headless.deaths(p)),
                     std::tuple(shown.points(p), shown.kills(p), shown.deaths(p)));
        }
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
