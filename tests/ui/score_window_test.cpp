#include "scores/frmScore.h"
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
    void the_window_ends_48_pixels_below_the_highest_slot_and_close_only_hides_it() {
        frmScore window{QIcon()};
        QCOMPARE(window.frameGeometry().height(), 275); // 4130 twips
        window.show();
        // Outer heights for highest slots 1 to 8: panel top + 285 + 720 twips, in pixels.
        const int outer[] = {105, 131, 156, 181, 207, 232, 257, 282};
        for (const int highest : {8, 3, 1, 4, 7, 2, 6, 5}) {
            for (int slot = 1; slot <= highest; ++slot) {
                window.placeRow(slot);
            }
            QCOMPARE(window.frameGeometry().height(), outer[highest - 1]);
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
