#include "scores/frmScore.h"
#include "scores/score_row.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

QStringList tallyCaptions(const frmScore& window, int player) {
    const ScoreRow& row = window.row(player);
    return {row.killsLabel().text(), row.deathsLabel().text(), row.pointsLabel().text()};
}

// As a new match does: slots in play are enabled and placed, the others greyed.
void placeSlots(frmScore& window, int highestSlot) {
    for (int slot = 1; slot <= 8; ++slot) {
        window.enableRow(slot, slot <= highestSlot);
        if (slot <= highestSlot) {
            window.placeRow(slot);
        }
    }
}

} // namespace

class ScoreWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsHiddenWithZeroTalliesTheNoticeAndNoPanels() {
        frmScore window{QIcon()};
        QVERIFY(window.isHidden());
        QCOMPARE(window.windowTitle(), QStringLiteral("Scoreboard"));
        QVERIFY(window.noScoresShown());
        for (int player = 1; player <= 8; ++player) {
            QCOMPARE(tallyCaptions(window, player), QStringList({"00", "00", "0000"}));
            QVERIFY(!window.panelVisible(player));
        }
    }

    void placedPanelsShowAtTheirTopsAndTheWindowEndsBelowTheHighest() {
        frmScore window{QIcon()};
        QCOMPARE(window.frameGeometry().height(), 275); // 4130 twips
        placeSlots(window, 8);
        QCOMPARE(window.frameGeometry().height(), 282); // 3225 + 285 + 720 twips
        const int pixelTops[] = {38, 64, 89, 114, 140, 165, 190, 215};
        for (int player = 1; player <= 8; ++player) {
            QCOMPARE(window.row(player).y(), pixelTops[player - 1]);
            QCOMPARE(window.row(player).playerLabel().text(),
                     QStringLiteral("Player %1").arg(player));
        }

        window.show();
        QVERIFY(window.frameGeometry().height() > window.height());
        QCOMPARE(window.frameGeometry().height(), 282);
        placeSlots(window, 3);
        QCOMPARE(window.frameGeometry().height(), 156); // 1335 + 285 + 720 twips
        QVERIFY(window.panelVisible(8));
    }

    void theFirstBookingOfAnyKindHidesTheNoticeForGood() {
        const std::function<void(frmScore&)> bookings[] = {
            [](frmScore& w) { w.AddKillScore(3, 1); },   [](frmScore& w) { w.AddDeathScore(2); },
            [](frmScore& w) { w.AddPointScore(1, 50); }, [](frmScore& w) { w.AddDeathScore(0); },
            [](frmScore& w) { w.AddPointScore(9, 50); }, [](frmScore& w) { w.AddKillScore(3, 0); },
        };
        for (const auto& book : bookings) {
            frmScore window{QIcon()};
            book(window);
            window.AddDeathScore(1);
            QVERIFY(!window.noScoresShown());
        }
    }

    void captionsGainDigitsAndStayFullyShownAsTalliesGrow() {
        frmScore window{QIcon()};
        for (int kill = 0; kill < 9; ++kill) {
            window.AddKillScore(2, 1);
        }
        QCOMPARE(window.row(1).killsLabel().text(), QStringLiteral("09"));
        window.AddKillScore(2, 1);
        QCOMPARE(window.row(1).killsLabel().text(), QStringLiteral("10"));

        const QLabel& points = window.row(4).pointsLabel();
        const int centre = points.geometry().center().x();
        window.AddPointScore(4, 50);
        QCOMPARE(points.text(), QStringLiteral("0050"));
        window.AddPointScore(4, 9950);
        QCOMPARE(points.text(), QStringLiteral("10000"));
        QVERIFY(points.width() >= points.fontMetrics().horizontalAdvance(points.text()));
        QVERIFY(qAbs(points.geometry().center().x() - centre) <= 1);
    }

    void closingOnlyHidesTheWindowAndKeepsTheTallies() {
        frmScore window{QIcon()};
        window.show();
        window.AddPointScore(2, 50);
        QVERIFY(!window.close());
        QVERIFY(window.isHidden());
        window.show();
        QCOMPARE(window.row(2).pointsLabel().text(), QStringLiteral("0050"));
    }

    void clearScoresMidwayZeroesTalliesBeepsOnceAndLeavesTheRestAlone() {
        frmScore window{QIcon()};
        placeSlots(window, 3);
        window.AddKillScore(3, 1);
        window.AddDeathScore(2);
        window.AddPointScore(1, 50);
        window.enableRow(3, false);
        QSignalSpy beeps(&window, &frmScore::beeped);

        const QList<QAction*> entries = window.menuBar()->actions();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0]->text(), QStringLiteral("&Clear Scores"));
        entries[0]->trigger();

        QCOMPARE(beeps.count(), 1);
        for (int player = 1; player <= 8; ++player) {
            QCOMPARE(tallyCaptions(window, player), QStringList({"00", "00", "0000"}));
        }
        QVERIFY(!window.noScoresShown());
        QVERIFY(!window.rowEnabled(3) && window.rowEnabled(1) && window.panelVisible(3));
        window.AddKillScore(2, 1);
        window.AddPointScore(1, 50);
        QCOMPARE(tallyCaptions(window, 1), QStringList({"01", "00", "0050"}));
    }

    void noPartOfTheWindowTakesTheKeyboardFocus() {
        frmScore window{QIcon()};
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(window.focusPolicy(), Qt::NoFocus);
        for (const QWidget* child : window.findChildren<QWidget*>()) {
            QVERIFY2(child->focusPolicy() == Qt::NoFocus, child->metaObject()->className());
        }
    }
};

QTEST_MAIN(ScoreWindowTest)
#include "score_window_test.moc"
