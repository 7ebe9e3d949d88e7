#include "trace.h"

#include "arena/levels.h"
#include "json_line.h"

#include <array>
#include <vector>

namespace {

std::string_view levelName(const std::string& levelChoice) {
    return levelChoice == RandomLevel ? std::string_view("random") : levelChoice;
}

char cellSymbol(const World& world, std::uint8_t code) {
    if (code == CellEmpty) {
        return '.';
    }
    if (code == world.cellMine()) {
        return 'X';
    }
    if (code == world.cellClearTail()) {
        return 'C';
    }
    if (code <= world.CycleCount && code <= 8) {
        return static_cast<char>('0' + code);
    }
    return '?';
}

std::vector<std::string> fieldRows(const World& world) {
    std::vector<std::string> rows;
    for (int y = 0; y < FieldRows; ++y) {
        std::string row;
        for (int x = 0; x < FieldColumns; ++x) {
            row += cellSymbol(world, world.Field(x, y));
        }
        rows.push_back(row);
    }
    return rows;
}

std::string_view resultName(MoveResult result) {
    switch (result) {
    case MoveResult::Free:
        return "free";
    case MoveResult::ClearTail:
        return "clear";
    case MoveResult::Crash:
        return "crash";
    case MoveResult::None:
        break;
    }
    return "none";
}

template <typename Tally> std::array<std::int32_t, ScoreTable::Players> tallies(Tally tally) {
    std::array<std::int32_t, ScoreTable::Players> values{};
    for (int player = 1; player <= ScoreTable::Players; ++player) {
        values[static_cast<std::size_t>(player - 1)] = tally(player);
    }
    return values;
}

} // namespace

void JsonTrace::matchSetUp(const MatchSetup& setup) {
    const Match& match = setup.match;
    out_ << JsonLine("match")
                .number("match", setup.number)
                .number("seed", setup.seed)
                .number("humans", setup.settings.HumanCount)
                .number("computers", setup.settings.ComputerCount)
                .text("rule",
                      setup.settings.MatchRule == Settings::Deathmatch ? "deathmatch" : "free")
                .text("level", levelName(setup.settings.LevelChoice))
                .flag("boundaries", setup.boundaries)
                .number("cycleCount", match.CycleCount())
                .str()
         << '\n';
    out_ << JsonLine("field").texts("rows", fieldRows(match.world())).str() << '\n';
    for (int slot = 1; slot <= match.CycleCount(); ++slot) {
        const clsCycle& cycle = *match.cycle(slot);
        if (!cycle.Active()) {
            continue;
        }
        out_ << JsonLine("start")
                    .number("slot", slot)
                    .number("x", cycle.X())
                    .number("y", cycle.Y())
                    .number("dir", cycle.Direction())
                    .number("color", cycle.Color())
                    .flag("human", cycle.IsHuman())
                    .str()
             << '\n';
    }
}

void JsonTrace::keyPressed(int tick, ScriptKey key) {
    out_ << JsonLine("key").number("tick", tick).text("key", keyName(key)).str() << '\n';
}

void JsonTrace::cycleMoved(const CycleMove& move) {
    JsonLine line("move");
    line.number("tick", move.tick)
        .number("slot", move.cycle.selIndex())
        .number("dir", move.cycle.Direction())
        .number("x", move.cycle.X())
        .number("y", move.cycle.Y())
        .text("result", resultName(move.result));
    if (move.result == MoveResult::Crash) {
        line.number("cell", move.cell).text("text", move.status);
    }
    out_ << line.str() << '\n';
}

void JsonTrace::matchEnded(const MatchEnd& end) {
    JsonLine line("end");
    line.number("tick", end.tick);
    if (end.winner) {
        line.number("winner", *end.winner);
    } else {
        line.null("winner");
    }
    line.text("text", end.status);
    if (!end.winner) {
        line.text("reason", reasonName(end.reason));
    }
    out_ << line.str() << '\n';
}

void JsonTrace::runEnded(const ScoreTable& scores) {
    const auto points = tallies([&](int p) { return scores.points(p); });
    const auto kills = tallies([&](int p) { return scores.kills(p); });
    const auto deaths = tallies([&](int p) { return scores.deaths(p); });
    out_ << JsonLine("scores")
                .numbers("points", points)
                .numbers("kills", kills)
                .numbers("deaths", deaths)
                .flag("noScoresVisible", scores.noScoresVisible())
                .str()
         << '\n';
    out_.flush();
}
