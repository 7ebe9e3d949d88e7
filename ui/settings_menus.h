#pragma once

#include "match/settings.h"
#include "ui/game_menus.h"

// The Players and Levels menu handlers: each changes a setting and its check marks together.
class SettingsMenus {
  public:
    // Connects the Players and Levels entries of `menus` to the handlers below.
    SettingsMenus(GameMenus& menus, Settings& settings);

    void mnuPlayersHumanOne_Click();
    void mnuPlayersHumanTwo_Click();
    void mnuPlayersComputerNone_Click();
    void mnuPlayersComputerNumber_Click(int Index);
    void mnuPlayersMatchDeathmatch_Click();
    void mnuPlayersMatchFreeForAll_Click();

    void mnuLevelsEmpty_Click();
    void mnuLevelsRandom_Click();
    void mnuLevelsNumber_Click(int Index);

  private:
    GameMenus& menus_;
    Settings& settings_;
};
