#include "arena/levels.h"
#include "game_window_fixture.h"
#include "ui/splash_picture.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {
QStringList captions(const QList<QAction*>& entries) {
    QStringList texts;
    for (const QAction* entry : entries) {
        texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    return texts;
}

QStringList checkedCaptions(const QList<QAction*>& entries) {
    QStringList texts;
    for (const QAction* entry : entries) {
        if (entry->isChecked()) {
            texts << entry->text();
        }
    }
    return texts;
}

QList<QAction*> playerEntries(const GameMenus& menus) {
    return menus.mnuPlayersMatch->actions() + menus.mnuPlayersHuman->actions() +
           menus.mnuPlayersComputer->actions();
}
} // namespace

// The window's layout, its menu tree, and the settings the menus hold.
class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void the_window_opens_with_its_layout_caption_and_focus() {
        const auto window = startedWindow();
        QVERIFY(window);
        const MainLayout& controls = window->controls();
        QCOMPARE(window->centralWidget()->size(), QSize(626, 512));
        QCOMPARE(controls.picField->geometry(), QRect(8, 12, 610, 472));
        QCOMPARE(controls.Frame1->geometry(), QRect(1, 492, 626, 19));
        QCOMPARE(controls.lblStatus->geometry(),
                 QRect(QPoint(6, 3), controls.lblStatus->sizeHint()));
        QCOMPARE(controls.lblStatus->text(), QStringLiteral("Welcome to Zarvo Cycles!"));
        const QRect outer = window->frameGeometry();
        QCOMPARE(controls.picSplash->geometry(),
                 QRect(outer.width() / 2 - 152, outer.height() / 2 - 152 - 40, 304, 304));
        QVERIFY(controls.picSplash->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Zarvo Cycles 0.5"));
        QCOMPARE(QApplication::focusWidget(), controls.picField);
    }

    void the_menu_tree_starts_with_its_captions_check_marks_and_shortcuts() {
        frmMain window(FixedSeed);
        const GameMenus& menus = window.menus();
        QCOMPARE(captions(window.menuBar()->actions()),
                 QStringList({"&Game", "&Players", "&Levels", "&Scores", "&About"}));
        QCOMPARE(captions(menus.mnuGame->actions()),
                 QStringList({"&New Game", "&Stop Game", "&Pause Game", "-", "&Boundaries", "-",
                              "&Quit Game"}));
        QCOMPARE(captions(menus.mnuPlayers->actions()),
                 QStringList({"Match &Rules", "-", "Human", "&Computer"}));
        QCOMPARE(
            captions(playerEntries(menus)),
            QStringList({"&Free for All", "&Deathmatch", "&One Human(s)", "&Two Human(s)",
                         "&No Computer", "-", "&One Computer", "&Two Computers", "&Three Computers",
                         "&Four Computers", "&Five Computers", "&Six Computers"}));
        QCOMPARE(captions(menus.mnuLevels->actions()),
                 QStringList({"&Random Map", "&Empty Map", "-", "Level &One", "Level &Two",
                              "Level &Three", "Level &Four", "Level &Five", "Level &Six"}));
        QCOMPARE(menus.mnuPlayersComputerNumber(4)->text(), QStringLiteral("&Four Computers"));
        QCOMPARE(menus.mnuLevelsNumber(6)->text(), QStringLiteral("Level &Six"));

        QCOMPARE(checkedCaptions(menus.mnuGame->actions() + playerEntries(menus) +
                                 menus.mnuLevels->actions()),
                 QStringList({"&Boundaries", "&Free for All", "&One Human(s)", "&One Computer",
                              "&Empty Map"}));
        for (QAction* entry :
             {menus.mnuGameStop, menus.mnuGamePause, menus.mnuPlayersComputerNone}) {
            QVERIFY2(!entry->isEnabled(), qPrintable(entry->text()));
        }
        QCOMPARE(menus.mnuGameNew->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(menus.mnuGameStop->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(menus.mnuGamePause->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(menus.mnuGameQuit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    }

    void the_players_handlers_keep_settings_and_check_marks_together() {
        frmMain window(FixedSeed);
        GameMenus& menus = window.menus();
        const Settings& settings = window.settings();
        // One human never plays alone: "&No Computer" gives way to one computer.
        menus.mnuPlayersHumanTwo->trigger();
        menus.mnuPlayersComputerNone->trigger();
        menus.mnuPlayersHumanOne->trigger();
        QCOMPARE(settings.ComputerCount, 1);
        QCOMPARE(checkedCaptions(playerEntries(menus)),
                 QStringList({"&Free for All", "&One Human(s)", "&One Computer"}));
        QVERIFY(!menus.mnuPlayersComputerNone->isEnabled());

        menus.mnuPlayersMatchDeathmatch->trigger();
        QCOMPARE(checkedCaptions(playerEntries(menus)),
                 QStringList({"&Deathmatch", "&Two Human(s)", "&No Computer"}));
        QVERIFY(!menus.mnuPlayersHumanOne->isEnabled());
        QVERIFY(!menus.mnuPlayersComputerNumber(6)->isEnabled());
        menus.mnuPlayersMatchFreeForAll->trigger();
        QVERIFY(menus.mnuPlayersHumanOne->isEnabled());
        QVERIFY(menus.mnuPlayersComputerNumber(6)->isEnabled());
        QCOMPARE(checkedCaptions(playerEntries(menus)),
                 QStringList({"&Free for All", "&Two Human(s)", "&No Computer"}));
        QCOMPARE(settings.MatchRule, Settings::FreeForAll);

        // Free for All chosen again enables "&No Computer" beside one human.
        menus.mnuPlayersHumanOne->trigger();
        menus.mnuPlayersMatchFreeForAll->trigger();
        menus.mnuPlayersComputerNone->trigger();
        QCOMPARE(settings.HumanCount, 1);
        QCOMPARE(settings.ComputerCount, 0);
    }

    void exactly_the_chosen_level_is_checked_and_held_as_the_choice() {
        frmMain window(FixedSeed);
        QList<QAction*> entries = window.menus().mnuLevels->actions();
        entries.removeIf([](const QAction* entry) { return entry->isSeparator(); });
        const std::vector<std::string> choices{
            std::string(RandomLevel), "", "101", "102", "103", "104", "105", "106"};
        QCOMPARE(entries.size(), qsizetype(choices.size()));
        for (const qsizetype i : {0, 1, 2, 3, 4, 5, 6, 7, 5, 5, 1}) {
            entries[i]->trigger();
            QCOMPARE(checkedCaptions(entries), QStringList({entries[i]->text()}));
            QCOMPARE(window.settings().LevelChoice, choices[static_cast<std::size_t>(i)]);
        }
    }

    void a_match_locks_the_settings_menus_until_it_stops_or_ends() {
        frmMain window(FixedSeed);
        GameMenus& menus = window.menus();
        const auto expectMenus = [&](bool running) {
            for (QAction* entry :
                 {menus.mnuGameNew, menus.mnuGameQuit, menus.mnuScore, menus.mnuAbout}) {
                QVERIFY2(entry->isEnabled(), qPrintable(entry->text()));
            }
            for (QAction* entry : {menus.mnuGameBoundaries, menus.mnuPlayers->menuAction(),
                                   menus.mnuLevels->menuAction()}) {
                QVERIFY2(entry->isEnabled() != running, qPrintable(entry->text()));
            }
            QCOMPARE(menus.mnuGameStop->isEnabled(), running);
            QCOMPARE(menus.mnuGamePause->isEnabled(), running);
        };
        menus.mnuGameNew->trigger();
        expectMenus(true);
        menus.mnuGamePause->trigger();
        expectMenus(true);
        menus.mnuGameStop->trigger();
        expectMenus(false);

        menus.mnuGameBoundaries->trigger(); // the rules read it afresh: the edge now wraps
        menus.mnuGameNew->trigger();
        window.picField_KeyDown(Qt::Key_Down);
        for (int row = window.match().cycle(1)->Y(); row <= LastRow; ++row) {
            window.tmrPulse_Timer();
        }
        QCOMPARE(window.match().cycle(1)->Y(), 0);
        QVERIFY(!window.match().cycle(1)->Crashed());

        // A lone cycle is the only one moved in the first tick and wins at once.
        menus.mnuGameStop->trigger();
        menus.mnuPlayersMatchFreeForAll->trigger();
        menus.mnuPlayersComputerNone->trigger();
        menus.mnuGameNew->trigger();
        window.tmrPulse_Timer();
        QCOMPARE(window.controls().lblStatus->text(),
                 QStringLiteral("Game Over: Player 1 has won this match!"));
        expectMenus(false);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
