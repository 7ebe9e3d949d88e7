#include "session/settings_choices.h"

#include "arena/levels.h"

void chooseHumans(Settings& settings, int count) {
    settings.HumanCount = count;
    if (count == 1 && settings.ComputerCount == 0) {
        settings.ComputerCount = 1;
    }
}

void chooseComputers(Settings& settings, int count) {
    settings.ComputerCount = count;
}

void chooseRule(Settings& settings, int rule) {
    settings.MatchRule = rule;
    if (rule == Settings::Deathmatch) {
        settings.ComputerCount = 0;
        settings.HumanCount = 2;
    }
}

bool applyChoice(Settings& settings, ScriptKey key) {
    const auto from = [key](ScriptKey first) {
        return static_cast<int>(key) - static_cast<int>(first) + 1;
    };
    if (key >= ScriptKey::OneComputer && key <= ScriptKey::SixComputers) {
        chooseComputers(settings, from(ScriptKey::OneComputer));
    } else if (key >= ScriptKey::LevelOne && key <= ScriptKey::LevelSix) {
        settings.LevelChoice = levelChoiceForNumber(from(ScriptKey::LevelOne));
    } else if (key == ScriptKey::FreeForAll || key == ScriptKey::Deathmatch) {
        chooseRule(settings,
                   key == ScriptKey::Deathmatch ? Settings::Deathmatch : Settings::FreeForAll);
    } else if (key == ScriptKey::OneHuman || key == ScriptKey::TwoHumans) {
        chooseHumans(settings, key == ScriptKey::OneHuman ? 1 : 2);
    } else if (key == ScriptKey::NoComputer) {
        chooseComputers(settings, 0);
    } else if (key == ScriptKey::RandomMap || key == ScriptKey::EmptyMap) {
        settings.LevelChoice = key == ScriptKey::RandomMap ? std::string(RandomLevel) : "";
    } else {
        return false;
    }
    return true;
}
