#include "scores/tallies.h"

#include <cstdio>

std::string formatTally(std::int32_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*d", digits, static_cast<int>(value));
    return text;
}

void ScoreTable::add(std::array<std::int32_t, Players>& tally, int player, std::int32_t amount) {
    if (player < 1 || player > Players) {
        return;
    }
    std::int32_t& value = tally[static_cast<std::size_t>(player - 1)];
    std::int32_t sum = 0;
    if (!__builtin_add_overflow(value, amount, &sum)) {
        value = sum;
    }
}

void ScoreTable::AddKillScore(int /*intKilled*/, int intKiller) {
    add(kills_, intKiller, 1);
    noScoresVisible_ = false;
}

void ScoreTable::AddDeathScore(int intDead) {
    add(deaths_, intDead, 1);
    noScoresVisible_ = false;
}

void ScoreTable::AddPointScore(int intPlayer, int intPoints) {
    add(points_, intPlayer, intPoints);
    noScoresVisible_ = false;
}

void ScoreTable::clear() {
    points_.fill(0);
    kills_.fill(0);
    deaths_.fill(0);
}

std::string ScoreTable::pointsText(int player) const {
    return formatTally(points(player), 4);
}
std::string ScoreTable::killsText(int player) const {
    return formatTally(kills(player), 2);
}
std::string ScoreTable::deathsText(int player) const {
    return formatTally(deaths(player), 2);
}
