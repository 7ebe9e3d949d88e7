#include "ui/settings_menus.h"

#include "arena/levels.h"

#include <QAction>

SettingsMenus::SettingsMenus(GameMenus& menus, Settings& settings)
    : menus_(menus), settings_(settings) {
    const auto on = [](QAction* action, auto handler) {
        QObject::connect(action, &QAction::triggered, action, handler);
    };
    on(menus.mnuPlayersHumanOne, [this] { mnuPlayersHumanOne_Click(); });
    on(menus.mnuPlayersHumanTwo, [this] { mnuPlayersHumanTwo_Click(); });
    on(menus.mnuPlayersComputerNone, [this] { mnuPlayersComputerNone_Click(); });
    on(menus.mnuPlayersMatchDeathmatch, [this] { mnuPlayersMatchDeathmatch_Click(); });
    on(menus.mnuPlayersMatchFreeForAll, [this] { mnuPlayersMatchFreeForAll_Click(); });
    on(menus.mnuLevelsEmpty, [this] { mnuLevelsEmpty_Click(); });
    on(menus.mnuLevelsRandom, [this] { mnuLevelsRandom_Click(); });
    for (int index = 1; index <= GameMenus::ArraySize; ++index) {
        on(menus.mnuPlayersComputerNumber(index),
           [this, index] { mnuPlayersComputerNumber_Click(index); });
        on(menus.mnuLevelsNumber(index), [this, index] { mnuLevelsNumber_Click(index); });
    }
}

void SettingsMenus::mnuPlayersHumanOne_Click() {
    settings_.HumanCount = 1;
    menus_.SetMenuState(1);
    menus_.mnuPlayersHumanOne->setChecked(true);
    menus_.mnuPlayersComputerNone->setEnabled(false);
    // One human alone has nobody to play against.
    if (menus_.mnuPlayersComputerNone->isChecked()) {
        mnuPlayersComputerNumber_Click(1);
    }
}

void SettingsMenus::mnuPlayersHumanTwo_Click() {
    settings_.HumanCount = 2;
    menus_.SetMenuState(1);
    menus_.mnuPlayersHumanTwo->setChecked(true);
    menus_.mnuPlayersComputerNone->setEnabled(true);
}

void SettingsMenus::mnuPlayersComputerNone_Click() {
    settings_.ComputerCount = 0;
    menus_.SetMenuState(2);
    menus_.mnuPlayersComputerNone->setChecked(true);
}

void SettingsMenus::mnuPlayersComputerNumber_Click(int Index) {
    settings_.ComputerCount = Index;
    menus_.SetMenuState(2);
    menus_.mnuPlayersComputerNumber(Index)->setChecked(true);
}

void SettingsMenus::mnuPlayersMatchDeathmatch_Click() {
    settings_.MatchRule = Settings::Deathmatch;
    menus_.mnuPlayersMatchDeathmatch->setChecked(true);
    menus_.mnuPlayersMatchFreeForAll->setChecked(false);
    mnuPlayersComputerNone_Click();
    mnuPlayersHumanTwo_Click();
    menus_.SetMenuState(4);
}

// The player counts stay as they were, so after a deathmatch two humans and no computer remain.
void SettingsMenus::mnuPlayersMatchFreeForAll_Click() {
    settings_.MatchRule = Settings::FreeForAll;
    menus_.mnuPlayersMatchDeathmatch->setChecked(false);
    menus_.mnuPlayersMatchFreeForAll->setChecked(true);
    menus_.SetMenuState(5);
}

void SettingsMenus::mnuLevelsEmpty_Click() {
    settings_.LevelChoice.clear();
    menus_.SetMenuState(3);
    menus_.mnuLevelsEmpty->setChecked(true);
}

void SettingsMenus::mnuLevelsRandom_Click() {
    settings_.LevelChoice = RandomLevel;
    menus_.SetMenuState(3);
    menus_.mnuLevelsRandom->setChecked(true);
}

void SettingsMenus::mnuLevelsNumber_Click(int Index) {
    settings_.LevelChoice = levelChoiceForNumber(Index);
    menus_.SetMenuState(3);
    menus_.mnuLevelsNumber(Index)->setChecked(true);
}
