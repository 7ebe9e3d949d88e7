#pragma once

#include "session/key_script.h"

#include <vector>

class GameMenus;
class QAction;

// An entry of the Players or Levels menu and the name a recording gives it.
struct MenuChoice {
    QAction* entry;
    ScriptKey key;
};

// Every entry of the Players and Levels menus.
std::vector<MenuChoice> menuChoices(const GameMenus& menus);
