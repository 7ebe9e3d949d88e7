#include "game_window_fixture.h"
#include "scores/frmScore.h"
#include "ui/splash_picture.h"

#include <QAction>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QTimer>

// The game window together with its splash, its score window and the match timer.
class WindowFlowTest : public QObject {
    Q_OBJECT

  private slots:
    void clicking_the_splash_starts_a_match_and_the_splash_never_returns() {
        const auto window = startedWindow();
        QVERIFY(window);
        SplashPicture& splash = *window->controls().picSplash;
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(150, 150));
        QVERIFY(!splash.isVisible());
        QVERIFY(window->match().MatchInProgress());
        window->mnuGameStop_Click();
        window->mnuGameNew_Click();
        window->mnuGameStop_Click();
        QVERIFY(!splash.isVisible());
    }

    void stop_greys_the_rows_of_the_placed_players_only() {
        frmMain window(FixedSeed);
        window.mnuGameNew_Click();
        const frmScore& score = window.scoreWindow();
        QCOMPARE(QList<bool>({score.rowEnabled(1), score.rowEnabled(2), score.rowEnabled(3)}),
                 QList<bool>({true, false, true}));
        window.mnuGameStop_Click();
        QCOMPARE(QList<bool>({score.rowEnabled(1), score.rowEnabled(2), score.rowEnabled(3)}),
                 QList<bool>({false, false, false}));
        QCOMPARE(score.tallies().deaths(1) + score.tallies().deaths(3), 0);
        QVERIFY(!score.isVisible());
    }

    void scores_shows_the_scoreboard_beside_the_window_and_the_arena_keeps_the_keys() {
        const auto window = startedWindow();
        QVERIFY(window);
        press(*window, Qt::Key_Space);
        window->menus().mnuScore->trigger();
        const frmScore& score = window->scoreWindow();
        QVERIFY(score.isVisible());
        const QRect outer = window->frameGeometry();
        QCOMPARE(score.frameGeometry().topLeft(),
                 QPoint(outer.left() + outer.width(), outer.top()));
        QCOMPARE(QApplication::activeWindow(), window.get());
        QCOMPARE(QApplication::focusWidget(), window->controls().picField);
        press(*window, Qt::Key_Up);
        QCOMPARE(window->match().cycle(1)->Direction(), int(Up));

        window->menus().mnuScore->trigger();
        QVERIFY(!score.isVisible());
    }

    void a_whole_match_is_played_from_the_keyboard_until_a_winner_is_named() {
        const auto window = startedWindow();
        QVERIFY(window);
        window->menus().mnuPlayersHumanTwo->trigger();
        window->menus().mnuPlayersComputerNone->trigger();
        press(*window, Qt::Key_Space);
        // Player 2 runs up column 1 into the wall or into player 1's start; player 1 jogs up one
        // row in column 2 and runs on to the right.
        press(*window, 'w');
        const clsCycle& first = *window->match().cycle(1);
        QTRY_COMPARE(first.X(), 2);
        press(*window, Qt::Key_Up);
        const int row = first.Y();
        QTRY_COMPARE(first.Y(), row - 1);
        press(*window, Qt::Key_Right);
        QTRY_VERIFY_WITH_TIMEOUT(!window->match().MatchInProgress(), 10000);

        QCOMPARE(window->controls().lblStatus->text(),
                 QStringLiteral("Game Over: Player 1 has won this match!"));
        QVERIFY(!window->tmrPulse().isActive());
        QCOMPARE(window->scoreWindow().tallies().points(1), 50);
    }

    void quit_ends_the_program_at_once_with_success() {
        frmMain window(FixedSeed);
        window.mnuGameNew_Click();
        QEventLoop program;
        QTimer::singleShot(0, &window, [&window] { window.mnuGameQuit_Click(); });
        QCOMPARE(program.exec(), 0);
        QVERIFY(!window.tmrPulse().isActive());
    }

    // Last, as closing the window ends the program.
    void closing_the_window_hides_the_scoreboard_and_ends_the_program() {
        const auto window = startedWindow();
        QVERIFY(window);
        window->mnuGameNew_Click();
        window->mnuScore_Click();
        QVERIFY(window->close());
        QVERIFY(!window->scoreWindow().isVisible());
        QVERIFY(!window->tmrPulse().isActive());
    }
};

QTEST_MAIN(WindowFlowTest)
#include "window_flow_test.moc"
