#include "ui/game_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
QAction* checkable(QMenu* menu, const QString& caption, bool checked) {
    QAction* action = menu->addAction(caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

const std::array<QString, GameMenus::ArraySize> ComputerCaptions{
    QStringLiteral("&One Computer"),    QStringLiteral("&Two Computers"),
    QStringLiteral("&Three Computers"), QStringLiteral("&Four Computers"),
    QStringLiteral("&Five Computers"),  QStringLiteral("&Six Computers")};

const std::array<QString, GameMenus::ArraySize> LevelCaptions{
    QStringLiteral("Level &One"),  QStringLiteral("Level &Two"),  QStringLiteral("Level &Three"),
    QStringLiteral("Level &Four"), QStringLiteral("Level &Five"), QStringLiteral("Level &Six")};
} // namespace

GameMenus::GameMenus(QMenuBar* bar) {
    mnuGame = bar->addMenu(QStringLiteral("&Game"));
    mnuGameNew = mnuGame->addAction(QStringLiteral("&New Game"));
    mnuGameNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuGameStop = mnuGame->addAction(QStringLiteral("&Stop Game"));
    mnuGameStop->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuGamePause = mnuGame->addAction(QStringLiteral("&Pause Game"));
    mnuGamePause->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuGame->addSeparator();
    mnuGameBoundaries = checkable(mnuGame, QStringLiteral("&Boundaries"), true);
    mnuGame->addSeparator();
    mnuGameQuit = mnuGame->addAction(QStringLiteral("&Quit Game"));
    mnuGameQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuPlayers = bar->addMenu(QStringLiteral("&Players"));
    mnuPlayersMatch = mnuPlayers->addMenu(QStringLiteral("Match &Rules"));
    mnuPlayersMatchFreeForAll = checkable(mnuPlayersMatch, QStringLiteral("&Free for All"), true);
    mnuPlayersMatchDeathmatch = checkable(mnuPlayersMatch, QStringLiteral("&Deathmatch"), false);
    mnuPlayers->addSeparator();
    mnuPlayersHuman = mnuPlayers->addMenu(QStringLiteral("Human"));
    mnuPlayersHumanOne = checkable(mnuPlayersHuman, QStringLiteral("&One Human(s)"), true);
    mnuPlayersHumanTwo = checkable(mnuPlayersHuman, QStringLiteral("&Two Human(s)"), false);
    mnuPlayersComputer = mnuPlayers->addMenu(QStringLiteral("&Computer"));
    mnuPlayersComputerNone = checkable(mnuPlayersComputer, QStringLiteral("&No Computer"), false);
    mnuPlayersComputerNone->setEnabled(false);
    mnuPlayersComputer->addSeparator();
    for (int i = 0; i < ArraySize; ++i) {
        computerNumbers_[i] = checkable(mnuPlayersComputer, ComputerCaptions[i], i == 0);
    }

    mnuLevels = bar->addMenu(QStringLiteral("&Levels"));
    mnuLevelsRandom = checkable(mnuLevels, QStringLiteral("&Random Map"), false);
    mnuLevelsEmpty = checkable(mnuLevels, QStringLiteral("&Empty Map"), true);
    mnuLevels->addSeparator();
    for (int i = 0; i < ArraySize; ++i) {
        levelNumbers_[i] = checkable(mnuLevels, LevelCaptions[i], false);
    }

    mnuScore = bar->addAction(QStringLiteral("&Scores"));
    mnuAbout = bar->addAction(QStringLiteral("&About"));

    setMatchRunning(false);
}

void GameMenus::SetMenuState(int intAction) {
    switch (intAction) {
    case 1:
        mnuPlayersHumanOne->setChecked(false);
        mnuPlayersHumanTwo->setChecked(false);
        break;
    case 2:
        mnuPlayersComputerNone->setChecked(false);
        for (QAction* entry : computerNumbers_) {
            entry->setChecked(false);
        }
        break;
    case 3:
        mnuLevelsRandom->setChecked(false);
        mnuLevelsEmpty->setChecked(false);
        for (QAction* entry : levelNumbers_) {
            entry->setChecked(false);
        }
        break;
    case 4:
    case 5: {
        const bool enabled = intAction == 5;
        mnuPlayersHumanOne->setEnabled(enabled);
        mnuPlayersHumanTwo->setEnabled(enabled);
        mnuPlayersComputerNone->setEnabled(enabled);
        for (QAction* entry : computerNumbers_) {
            entry->setEnabled(enabled);
        }
        break;
    }
    default:
        break;
    }
}

void GameMenus::setMatchRunning(bool running) {
    mnuGameStop->setEnabled(running);
    mnuGamePause->setEnabled(running);
    mnuGameBoundaries->setEnabled(!running);
    mnuPlayers->menuAction()->setEnabled(!running);
    mnuLevels->menuAction()->setEnabled(!running);
}
