#include "scores/frmScore.h"
#include "scores/score_placement.h"
#include "scores/score_row.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

// The Scoreboard window: its height, its tallies as labels, closing and clearing it.
class ScoreWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void the_client_area_ends_11_pixels_below_the_highest_slot_and_close_only_hides_it() {
        frmScore window{QIcon()};
        window.show();
        QCOMPARE(window.centralWidget()->size(), QSize(262, 238)); // 3930 x 3570 twips
        // Client heights for highest slots 1 to 8: panel top + 285 + 160 twips, in pixels; the
        // menu bar and whatever frame the desktop draws come on top.
        const int client[] = {68, 94, 119, 144, 170, 195, 220, 245};
        for (const int highest : {8, 3, 1, 4, 7, 2, 6, 5}) {
            for (int slot = 1; slot <= highest; ++slot) {
                window.placeRow(slot);
            }
            QCOMPARE(window.centralWidget()->height(), client[highest - 1]);
            QTRY_COMPARE(window.height(), window.menuBar()->height() + client[highest - 1]);
        }
        QCOMPARE(window.row(5).playerLabel().text(), QStringLiteral("Player 5"));
        QVERIFY(!window.close());
        QVERIFY(window.isHidden());

        // A tally of five digits shows whole and stays centred.
        const QLabel& points = window.row(4).pointsLabel();
        const int centre = points.geometry().center().x();
        window.AddPointScore(4, 10000);
        QCOMPARE(points.text(), QStringLiteral("10000"));
        QVERIFY(points.width() >= points.fontMetrics().horizontalAdvance(points.text()));
        QVERIFY(qAbs(points.geometry().center().x() - centre) <= 1);
    }

    void it_opens_beside_the_game_or_at_the_nearest_place_wholly_on_the_screen() {
        // Screen area, game frame, Scoreboard frame size: the Scoreboard's top left corner.
        const std::tuple<QRect, QRect, QSize, QPoint> table[] = {
            {{0, 0, 1920, 1080}, {100, 50, 640, 580}, {270, 300}, {740, 50}},     // beside
            {{0, 0, 1366, 768}, {1000, 50, 640, 580}, {270, 300}, {730, 50}},     // left of it
            {{0, 0, 1366, 768}, {200, 0, 1000, 700}, {270, 300}, {0, 0}},         // over its left
            {{0, 0, 1366, 768}, {150, 0, 1000, 700}, {270, 300}, {1096, 0}},      // over its right
            {{0, 0, 1366, 768}, {300, 600, 640, 580}, {270, 300}, {940, 468}},    // raised
            {{1920, 27, 1280, 997}, {1420, 0, 640, 580}, {270, 300}, {2060, 27}}, // 2nd screen
        };
        for (const auto& [screen, game, board, place] : table) {
            QCOMPARE(scoreboardPlace(screen, game, board), place);
        }
    }

    void clear_scores_beeps_once_and_zeroes_the_labels_and_nothing_else() {
        frmScore window{QIcon()};
        window.placeRow(3);
        window.enableRow(3, false);
        window.AddKillScore(3, 1);
        window.AddPointScore(8, 50);
        QSignalSpy beeps(&window, &frmScore::beeped);
        const QList<QAction*> entries = window.menuBar()->actions();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0]->text(), QStringLiteral("&Clear Scores"));
        entries[0]->trigger();
        QCOMPARE(beeps.count(), 1);
        QStringList labels;
        for (int player = 1; player <= 8; ++player) {
            const ScoreRow& row = window.row(player);
            labels << row.killsLabel().text() + row.deathsLabel().text() + row.pointsLabel().text();
        }
        QCOMPARE(labels, QStringList(8, "00000000"));
        QCOMPARE(QList({window.noScoresShown(), window.rowEnabled(1), window.rowEnabled(3),
                        window.panelVisible(3), window.panelVisible(4)}),
                 QList({false, true, false, true, false}));
        window.AddKillScore(2, 1);
        QCOMPARE(window.row(1).killsLabel().text(), QStringLiteral("01"));
    }
};

QTEST_MAIN(ScoreWindowTest)
#include "score_window_test.moc"
