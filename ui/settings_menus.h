#pragma once

#include "match/settings.h"
#include "session/key_script.h"
#include "ui/game_menus.h"

// The Players and Levels menu handlers: each entry changes a setting and the check marks
// together.
class SettingsMenus {
  public:
    // Connects the Players and Levels entries of `menus` to choose().
    SettingsMenus(GameMenus& menus, Settings& settings);

    // What choosing a Players or Levels entry does, whatever its check mark or enabled state.
    void choose(ScriptKey entry);

  private:
    void showChecks();

    GameMenus& menus_;
    Settings& settings_;
};
