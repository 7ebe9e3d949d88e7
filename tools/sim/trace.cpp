#include "trace.h"

#include "arena/levels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>
#include <vector>

namespace {

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

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

} // namespace

void JsonTrace::matchSetUp(const MatchSetup& setup) {
    const Match& match = setup.match;
    // The seed as text: a JSON number keeps only 53 bits exactly, and a seed has 64.
    write({{"type", "match"},
           {"match", setup.number},
           {"seed", QString::number(setup.seed)},
           {"humans", setup.settings.HumanCount},
           {"computers", setup.settings.ComputerCount},
           {"rule", setup.settings.MatchRule == Settings::Deathmatch ? "deathmatch" : "free"},
           {"level", text(levelName(setup.settings.LevelChoice))},
           {"boundaries", setup.boundaries},
           {"cycleCount", match.CycleCount()}});
    QJsonArray rows;
    for (const std::string& row : fieldRows(match.world())) {
        rows.append(text(row));
    }
    write({{"type", "field"}, {"rows", rows}});
    for (int slot = 1; slot <= match.CycleCount(); ++slot) {
        const clsCycle& cycle = *match.cycle(slot);
        if (cycle.Active()) {
            write({{"type", "start"},
                   {"slot", slot},
                   {"x", cycle.X()},
                   {"y", cycle.Y()},
                   {"dir", cycle.Direction()},
                   {"color", cycle.Color()},
                   {"human", cycle.IsHuman()}});
        }
    }
}

void JsonTrace::keyPressed(int tick, ScriptKey key) {
    write({{"type", "key"}, {"tick", tick}, {"key", text(keyName(key))}});
}

void JsonTrace::cycleMoved(const CycleMove& move) {
    QJsonObject line{{"type", "move"},
                     {"tick", move.tick},
                     {"slot", move.cycle.selIndex()},
                     {"dir", move.cycle.Direction()},
                     {"x", move.cycle.X()},
                     {"y", move.cycle.Y()},
                     {"result", text(resultName(move.result))}};
    if (move.result == MoveResult::Crash) {
        line.insert("cell", move.cell);
        line.insert("text", text(move.status));
    }
    write(line);
}

void JsonTrace::matchEnded(const MatchEnd& end) {
    QJsonObject line{{"type", "end"}, {"tick", end.tick}, {"text", text(end.status)}};
    if (end.winner) {
        line.insert("winner", *end.winner);
    } else {
        line.insert("winner", QJsonValue::Null);
        line.insert("reason", text(reasonName(end.reason)));
    }
    write(line);
}

void JsonTrace::runEnded(const ScoreTable& scores) {
    const auto tallies = [](auto tally) {
        QJsonArray values;
        for (int player = 1; player <= ScoreTable::Players; ++player) {
            values.append(tally(player));
        }
        return values;
    };
    write({{"type", "scores"},
           {"points", tallies([&](int p) { return scores.points(p); })},
           {"kills", tallies([&](int p) { return scores.kills(p); })},
           {"deaths", tallies([&](int p) { return scores.deaths(p); })},
           {"noScoresVisible", scores.noScoresVisible()}});
    out_.flush();
}

void JsonTrace::write(const QJsonObject& line) {
    out_ << QJsonDocument(line).toJson(QJsonDocument::Compact).toStdString() << '\n';
}
