#include "arena/levels.h"

#include "arena/tiles.h"

#include <QFile>
#include <charconv>
#include <cstdio>

std::string levelChoiceForNumber(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", number + 100);
    return text;
}

std::optional<std::vector<std::uint8_t>> levelResource(int id) {
    if (id < FirstLevelId || id > LastLevelId) {
        return std::nullopt;
    }
    QFile file(QStringLiteral(":/levels/%1.map").arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void ClearField(World& world) {
    world.Field.clear();
    world.outside.clearArena();
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            world.outside.drawTile(Tile::Special, Tile::EmptyY, x, y);
        }
    }
}

void LoadRes(World& world, std::string_view strIdentifier) {
    int id = 0;
    const auto* end = strIdentifier.data() + strIdentifier.size();
    const auto [rest, error] = std::from_chars(strIdentifier.data(), end, id);
    if (error != std::errc{} || rest != end) {
        return;
    }
    if (const auto bytes = levelResource(id)) {
        walkLevelMap(world, *bytes);
    }
}

void walkLevelMap(World& world, std::span<const std::uint8_t> bytes) {
    constexpr std::uint8_t CarriageReturn = 13;
    int x = 0;
    int y = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == CarriageReturn) {
            ++y;
            x = 0;
            ++i; // the line feed, or whatever byte stands there
            continue;
        }
        if (Grid::contains(x, y)) {
            switch (bytes[i]) {
            case 'X':
                world.Field(x, y) = world.cellMine();
                world.outside.drawTile(Tile::Special, Tile::MineY, x, y);
                break;
            case 'C':
                world.Field(x, y) = world.cellClearTail();
                world.outside.drawTile(Tile::Special, Tile::ClearTailY, x, y);
                break;
            default:
                world.Field(x, y) = CellEmpty;
                break;
            }
        }
        ++x;
    }
}

void LoadRandom(World& world) {
    constexpr int FirstMineColumn = 10;
    constexpr int LastMineColumn = 50;
    for (int y = 0; y < FieldRows; ++y) {
        for (int x = FirstMineColumn; x <= LastMineColumn; ++x) {
            world.random.reseedFromClock();
            const int roll = static_cast<int>(world.random.draw() * 60) + 1;
            if (roll == 1) {
                world.Field(x, y) = world.cellMine();
                world.outside.drawTile(Tile::Special, Tile::MineY, x, y);
            } else {
                world.Field(x, y) = CellEmpty;
            }
        }
    }
}
