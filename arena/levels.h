#pragma once

#include "arena/world.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// LevelChoice values: the empty text for the empty arena, RandomLevel, or "101" to "106".
inline constexpr std::string_view RandomLevel = "/\\random";
inline constexpr int FirstLevelId = 101;
inline constexpr int LastLevelId = 106;

// "101" for level 1 ... "106" for level 6.
std::string levelChoiceForNumber(int number);

// The bytes of a built-in level map, by numeric identifier; nothing for an unknown one.
std::optional<std::vector<std::uint8_t>> levelResource(int id);

// Re-creates the grid all empty and paints every cell with the empty tile, column by column.
void ClearField(World& world);

// Reads level resource strIdentifier into the grid; an unknown identifier writes nothing.
void LoadRes(World& world, std::string_view strIdentifier);

// The level-map byte walker behind LoadRes: "X" a mine, "C" a tail-clearing cell, any other byte
// empty; a CR ends the row and the byte after it is skipped; writes outside the grid are dropped.
void walkLevelMap(World& world, std::span<const std::uint8_t> bytes);

// Mines at probability 1/60 in columns 10 to 50 of every row, re-seeding before every cell.
void LoadRandom(World& world);
