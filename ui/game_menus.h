#pragma once

#include <QObject>
#include <array>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu tree. Entries that differ only by number are indexed 1 to 6.
class GameMenus {
  public:
    static constexpr int ArraySize = 6;

    explicit GameMenus(QMenuBar* bar);

    QMenu* mnuGame;
    QAction* mnuGameNew;
    QAction* mnuGameStop;
    QAction* mnuGamePause;
    QAction* mnuGameBoundaries;
    QAction* mnuGameQuit;

    QMenu* mnuPlayers;
    QMenu* mnuPlayersMatch;
    QAction* mnuPlayersMatchFreeForAll;
    QAction* mnuPlayersMatchDeathmatch;
    QMenu* mnuPlayersHuman;
    QAction* mnuPlayersHumanOne;
    QAction* mnuPlayersHumanTwo;
    QMenu* mnuPlayersComputer;
    QAction* mnuPlayersComputerNone;

    QMenu* mnuLevels;
    QAction* mnuLevelsRandom;
    QAction* mnuLevelsEmpty;

    QAction* mnuScore;
    QAction* mnuAbout;

    QAction* mnuPlayersComputerNumber(int Index) const { return computerNumbers_.at(Index - 1); }
    QAction* mnuLevelsNumber(int Index) const { return levelNumbers_.at(Index - 1); }

    // 1 unchecks the Human group, 2 the Computer group, 3 the Levels group; 4 disables and
    // 5 enables the Human and Computer entries; any other value does nothing.
    void SetMenuState(int intAction);

    // Stop and Pause only while a match runs; Boundaries, Players and Levels only between matches.
    void setMatchRunning(bool running);

  private:
    std::array<QAction*, ArraySize> computerNumbers_{};
    std::array<QAction*, ArraySize> levelNumbers_{};
};
