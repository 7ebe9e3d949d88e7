#include "ui/settings_menus.h"

#include "arena/levels.h"
#include "session/settings_choices.h"
#include "ui/menu_choices.h"

#include <QAction>

SettingsMenus::SettingsMenus(GameMenus& menus, Settings& settings)
    : menus_(menus), settings_(settings) {
    for (const MenuChoice& choice : menuChoices(menus)) {
        QObject::connect(choice.entry, &QAction::triggered, choice.entry,
                         [this, key = choice.key] { choose(key); });
    }
}

void SettingsMenus::choose(ScriptKey entry) {
    applyChoice(settings_, entry);
    showChecks();
    switch (entry) {
    case ScriptKey::OneHuman:
        menus_.mnuPlayersComputerNone->setEnabled(false);
        break;
    case ScriptKey::TwoHumans:
        menus_.mnuPlayersComputerNone->setEnabled(true);
        break;
    case ScriptKey::Deathmatch:
        menus_.SetMenuState(4);
        break;
    case ScriptKey::FreeForAll:
        menus_.SetMenuState(5);
        break;
    default:
        break;
    }
}

// Each group's check mark on the entry its setting holds.
void SettingsMenus::showChecks() {
    menus_.SetMenuState(1);
    (settings_.HumanCount == 1 ? menus_.mnuPlayersHumanOne : menus_.mnuPlayersHumanTwo)
        ->setChecked(true);
    menus_.SetMenuState(2);
    (settings_.ComputerCount == 0 ? menus_.mnuPlayersComputerNone
                                  : menus_.mnuPlayersComputerNumber(settings_.ComputerCount))
        ->setChecked(true);
    const bool deathmatch = settings_.MatchRule == Settings::Deathmatch;
    menus_.mnuPlayersMatchDeathmatch->setChecked(deathmatch);
    menus_.mnuPlayersMatchFreeForAll->setChecked(!deathmatch);
    menus_.SetMenuState(3);
    QAction* level = settings_.LevelChoice.empty()          ? menus_.mnuLevelsEmpty
                     : settings_.LevelChoice == RandomLevel ? menus_.mnuLevelsRandom
                                                            : nullptr;
    for (int index = 1; index <= GameMenus::ArraySize && level == nullptr; ++index) {
        if (settings_.LevelChoice == levelChoiceForNumber(index)) {
            level = menus_.mnuLevelsNumber(index);
        }
    }
    if (level != nullptr) {
        level->setChecked(true);
    }
}
