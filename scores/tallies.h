#pragma once

#include <array>
#include <cstdint>
#include <string>

// Points, kills and deaths for player numbers 1 to 8, for the whole run of the program.
class ScoreTable {
  public:
    static constexpr int Players = 8;

    // A player number outside 1-8 changes no tally but still counts as a booking; a sum that
    // would overflow 32 bits leaves the tally as it was.
    void AddKillScore(int intKilled, int intKiller);
    void AddDeathScore(int intDead);
    void AddPointScore(int intPlayer, int intPoints);

    // Every tally back to zero; the "No Scores Recorded" notice stays as it is.
    void clear();

    std::int32_t points(int player) const { return points_.at(player - 1); }
    std::int32_t kills(int player) const { return kills_.at(player - 1); }
    std::int32_t deaths(int player) const { return deaths_.at(player - 1); }

    // As shown: points with at least four digits, kills and deaths with at least two.
    std::string pointsText(int player) const;
    std::string killsText(int player) const;
    std::string deathsText(int player) const;

    bool noScoresVisible() const { return noScoresVisible_; }

  private:
    static void add(std::array<std::int32_t, Players>& tally, int player, std::int32_t amount);

    std::array<std::int32_t, Players> points_{};
    std::array<std::int32_t, Players> kills_{};
    std::array<std::int32_t, Players> deaths_{};
    bool noScoresVisible_ = true;
};

// Zero-padded to at least `digits` digits, more when the number needs them.
std::string formatTally(std::int32_t value, int digits);
