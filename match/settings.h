#pragma once

#include <string>

// The game settings the menus hold; match setup reads them. The Boundaries setting is not here:
// the rules ask for it afresh at every use (Outside::edgeIsWall).
struct Settings {
    static constexpr int FreeForAll = 1;
    static constexpr int Deathmatch = 2;

    int HumanCount = 1;    // 1 or 2
    int ComputerCount = 1; // 0 to 6
    int MatchRule = FreeForAll;
    std::string LevelChoice; // "", RandomLevel, or "101" to "106"
};
