#include "scores/tallies.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <tuple>

// Kills and deaths show at least two digits, points at least four; a kill goes to the killer.
TEST(Tallies, TextsKeepTheirMinimumDigitsAndNoBookingCorruptsATally) {
    using Count = std::tuple<int, const char*, const char*>;
    for (const auto& [n, two, four] : {Count{0, "00", "0000"}, Count{9, "09", "0009"},
                                       Count{100, "100", "0100"}, Count{10000, "10000", "10000"}}) {
        ScoreTable scores;
        for (int i = 0; i < n; ++i) {
            scores.AddKillScore(2, 1);
            scores.AddDeathScore(3);
        }
        scores.AddPointScore(4, n);
        EXPECT_EQ(std::tuple(scores.killsText(1), scores.deathsText(3), scores.pointsText(4)),
                  std::tuple(two, two, four));
        EXPECT_EQ(scores.kills(2) + scores.deaths(2), 0);
    }
    // Bookings for numbers outside 1 to 8 and sums past 32 bits change no tally, yet any booking
    // hides the "No Scores Recorded" notice for good.
    ScoreTable scores;
    for (const int player : {0, -1, 9, 300}) {
        scores.AddKillScore(3, player);
        scores.AddDeathScore(player);
        scores.AddPointScore(player, 50);
    }
    EXPECT_FALSE(scores.noScoresVisible());
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(scores.kills(n) + scores.deaths(n) + scores.points(n), 0) << n;
    }
    scores.AddPointScore(1, INT32_MAX - 10);
    scores.AddPointScore(1, 50);
    EXPECT_EQ(scores.pointsText(1), "2147483637");
    scores.clear();
    EXPECT_EQ(scores.pointsText(1), "0000");
    EXPECT_FALSE(scores.noScoresVisible());
}
