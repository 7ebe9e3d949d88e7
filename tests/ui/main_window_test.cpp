#include "game_window_fixture.h"
#include "scores/frmScore.h"
#include "scores/score_row.h"
#include "ui/splash_picture.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

namespace {
// The menu tree below `entries`, depth first, as "caption[ shortcut][ *][ (off)]|…", where *
// marks a checked entry and (off) a disabled one; `markedOnly` leaves out the plain entries.
QString described(const QList<QAction*>& entries, bool markedOnly = false) {
    QStringList lines;
    for (const QAction* entry : entries) {
        const QString marks =
            QString(entry->isChecked() ? " *" : "") + (entry->isEnabled() ? "" : " (off)");
        if (!markedOnly || !marks.isEmpty()) {
            lines << (entry->isSeparator() ? QStringLiteral("-") : entry->text()) +
                         (entry->shortcut().isEmpty() ? "" : ' ' + entry->shortcut().toString()) +
                         marks;
        }
        if (const QMenu* menu = entry->menu<QMenu*>()) {
            lines << described(menu->actions(), markedOnly);
        }
    }
    return lines.join('|');
}
} // namespace

// The window's layout, its menu tree, the settings the menus hold, and the commands' wiring.
class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void the_window_its_splash_and_a_match_played_in_it() {
        const auto window = startedWindow();
        QVERIFY(window);
        const MainLayout& controls = window->controls();
        const QRect outer = window->frameGeometry(); // the splash: centred on it, 40 px up
        QCOMPARE(QList({window->centralWidget()->rect(), controls.picField->geometry(),
                        controls.Frame1->geometry(), controls.picSplash->geometry()}),
                 QList({QRect(0, 0, 626, 512), QRect(8, 12, 610, 472), QRect(1, 492, 626, 19),
                        QRect(outer.width() / 2 - 152, outer.height() / 2 - 192, 304, 304)}));
        QCOMPARE(controls.lblStatus->pos(), QPoint(6, 3));
        QCOMPARE(controls.lblStatus->text(), QStringLiteral("Welcome to Zarvo Cycles!"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Zarvo Cycles 0.5"));
        QCOMPARE(QApplication::focusWidget(), controls.picField);

        QTest::mouseClick(controls.picSplash, Qt::RightButton);
        QVERIFY(!window->match().MatchInProgress());
        QTest::mouseClick(controls.picSplash, Qt::LeftButton);
        QVERIFY(window->match().MatchInProgress());
        window->mnuGameStop_Click();
        window->mnuGameNew_Click();
        QVERIFY(!controls.picSplash->isVisible()); // and never returns

        GameMenus& m = window->menus();
        window->mnuGameStop_Click();
        m.mnuPlayersMatchFreeForAll->trigger();
        m.mnuPlayersComputerNone->trigger();
        m.mnuGameNew->trigger();
        QCOMPARE(window->tmrPulse().interval(), 100);
        QTRY_COMPARE(controls.lblStatus->text(), // a lone cycle wins with the first tick
                     QStringLiteral("Game Over: Player 1 has won this match!"));
        QVERIFY(!window->tmrPulse().isActive());
        QCOMPARE(window->scoreWindow().row(1).pointsLabel().text(), QStringLiteral("0050"));

        // The rules read the check mark afresh at every move.
        m.mnuPlayersComputerNumber(1)->trigger();
        m.mnuGameBoundaries->trigger();
        m.mnuGameNew->trigger();
        window->picField_KeyDown(Qt::Key_Down);
        const clsCycle& cycle = *window->match().cycle(1);
        for (int row = cycle.Y(); row <= 46; ++row) {
            window->tmrPulse_Timer();
        }
        QCOMPARE(cycle.Y(), 0);
        QVERIFY(!cycle.Crashed());
    }

    void the_menus_hold_the_settings_and_show_the_about_box() {
        frmMain window(FixedSeed);
        GameMenus& m = window.menus();
        QCOMPARE(described(window.menuBar()->actions()),
                 QStringLiteral(
                     "&Game|&New Game Ctrl+N|&Stop Game Ctrl+S (off)|&Pause Game Ctrl+P (off)|-|"
                     "&Boundaries *|-|&Quit Game Ctrl+Q|&Players|Match &Rules|&Free for All *|"
                     "&Deathmatch|-|Human|&One Human(s) *|&Two Human(s)|&Computer|"
                     "&No Computer (off)|-|&One Computer *|&Two Computers|&Three Computers|"
                     "&Four Computers|&Five Computers|&Six Computers|&Levels|&Random Map|"
                     "&Empty Map *|-|Level &One|Level &Two|Level &Three|Level &Four|Level &Five|"
                     "Level &Six|&Scores|&About"));
        // Each step: entries chosen in turn; then the checked or disabled Players entries and
        // the settings HumanCount, ComputerCount and MatchRule.
        const std::pair<QList<QAction*>, QString> steps[] = {
            // One human never plays alone: "&No Computer" gives way to one computer.
            {{m.mnuPlayersHumanTwo, m.mnuPlayersComputerNone, m.mnuPlayersHumanOne},
             "&Free for All *|&One Human(s) *|&No Computer (off)|&One Computer * = 1 1 1"},
            {{m.mnuPlayersMatchDeathmatch},
             "&Deathmatch *|&One Human(s) (off)|&Two Human(s) * (off)|&No Computer * (off)|"
             "&One Computer (off)|&Two Computers (off)|&Three Computers (off)|"
             "&Four Computers (off)|&Five Computers (off)|&Six Computers (off) = 2 0 2"},
            {{m.mnuPlayersMatchFreeForAll},
             "&Free for All *|&Two Human(s) *|&No Computer * = 2 0 1"},
            // Free for All chosen again enables "&No Computer" beside one human.
            {{m.mnuPlayersHumanOne, m.mnuPlayersMatchFreeForAll, m.mnuPlayersComputerNone},
             "&Free for All *|&One Human(s) *|&No Computer * = 1 0 1"}};
        for (const auto& [chosen, shown] : steps) {
            for (QAction* entry : chosen) {
                entry->trigger();
            }
            const Settings& s = window.settings();
            QCOMPARE(
                described(m.mnuPlayers->actions(), true) +
                    QString(" = %1 %2 %3").arg(s.HumanCount).arg(s.ComputerCount).arg(s.MatchRule),
                shown);
        }
        const QStringList choices = QString("/\\random||-|101|102|103|104|105|106").split('|');
        for (const int position : {5, 0, 3, 8, 1, 4, 7, 6, 6}) { // Levels entries by position
            QAction* entry = m.mnuLevels->actions().at(position);
            entry->trigger();
            QCOMPARE(described(m.mnuLevels->actions(), true) + " = " +
                         QString::fromStdString(window.settings().LevelChoice),
                     entry->text() + " * = " + choices[position]);
        }

        // About: its box with no icon and one button, and nine lines of text joined by CR LF.
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() << QString::number(box->icon())
                     << QString::number(box->buttons().size()) << box->text().split("\r\n");
                box->accept();
            }
        });
        m.mnuAbout->trigger();
        QCOMPARE(seen.size(), 12); // title, icon, buttons and nine lines joined by CR LF
        QCOMPARE(seen.join('|').count('\n'), 0);
        QCOMPARE(seen.mid(0, 5), QStringList({"About Zarvo Cycles", "0", "1",
                                              "Thank you for viewing the credits.", ""}));
        QCOMPARE(seen.value(5), QStringLiteral("Thanks goes out to all the beta testers who've "
                                               "helped make this game possible."));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
