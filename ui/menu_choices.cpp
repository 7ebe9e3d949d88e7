#include "ui/menu_choices.h"

#include "ui/game_menus.h"

std::vector<MenuChoice> menuChoices(const GameMenus& menus) {
    std::vector<MenuChoice> choices{
        {menus.mnuPlayersMatchFreeForAll, ScriptKey::FreeForAll},
        {menus.mnuPlayersMatchDeathmatch, ScriptKey::Deathmatch},
        {menus.mnuPlayersHumanOne, ScriptKey::OneHuman},
        {menus.mnuPlayersHumanTwo, ScriptKey::TwoHumans},
        {menus.mnuPlayersComputerNone, ScriptKey::NoComputer},
        {menus.mnuLevelsRandom, ScriptKey::RandomMap},
        {menus.mnuLevelsEmpty, ScriptKey::EmptyMap},
    };
    for (int index = 1; index <= GameMenus::ArraySize; ++index) {
        const auto nth = [index](ScriptKey first) {
            return static_cast<ScriptKey>(static_cast<int>(first) + index - 1);
        };
        choices.push_back({menus.mnuPlayersComputerNumber(index), nth(ScriptKey::OneComputer)});
        choices.push_back({menus.mnuLevelsNumber(index), nth(ScriptKey::LevelOne)});
    }
    return choices;
}
