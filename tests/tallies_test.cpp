#include "scores/tallies.h"

#include <cstdint>
#include <gtest/gtest.h>

TEST(Tallies, CaptionsKeepTheirMinimumDigitsAndGrowPastThem) {
    ScoreTable scores;
    EXPECT_EQ(scores.pointsText(1), "0000");
    EXPECT_EQ(scores.killsText(1), "00");
    for (int i = 0; i < 9; ++i) {
        scores.AddKillScore(2, 1);
    }
    EXPECT_EQ(scores.killsText(1), "09");
    scores.AddKillScore(2, 1);
    EXPECT_EQ(scores.killsText(1), "10");
    for (int i = 0; i < 90; ++i) {
        scores.AddKillScore(2, 1);
    }
    EXPECT_EQ(scores.killsText(1), "100");

    scores.AddPointScore(3, 50);
    EXPECT_EQ(scores.pointsText(3), "0050");
    for (int i = 1; i < 200; ++i) {
        scores.AddPointScore(3, 50);
    }
    EXPECT_EQ(scores.pointsText(3), "10000");
}

TEST(Tallies, AKillIsCreditedToTheKillerOnly) {
    ScoreTable scores;
    scores.AddKillScore(3, 1);
    EXPECT_EQ(scores.kills(1), 1);
    EXPECT_EQ(scores.kills(3), 0);
    EXPECT_EQ(scores.deaths(3), 0);
}

TEST(Tallies, PlayerNumbersOutsideOneToEightChangeNoTallyButHideTheNotice) {
    for (int player : {0, -1, 9, 300}) {
        ScoreTable scores;
        scores.AddKillScore(3, player);
        scores.AddDeathScore(player);
        scores.AddPointScore(player, 50);
        EXPECT_FALSE(scores.noScoresVisible());
        for (int n = 1; n <= ScoreTable::Players; ++n) {
            EXPECT_EQ(scores.kills(n) + scores.deaths(n) + scores.points(n), 0);
        }
    }
}

TEST(Tallies, AnOverflowingSumKeepsTheOldTally) {
    ScoreTable scores;
    scores.AddPointScore(1, INT32_MAX - 10);
    scores.AddPointScore(1, 50);
    EXPECT_EQ(scores.points(1), INT32_MAX - 10);
    EXPECT_EQ(scores.pointsText(1), "2147483637");
    scores.AddPointScore(1, 10);
    EXPECT_EQ(scores.points(1), INT32_MAX);
}

TEST(Tallies, ClearingZeroesEveryTallyButDoesNotBringTheNoticeBack) {
    ScoreTable scores;
    EXPECT_TRUE(scores.noScoresVisible());
    scores.AddDeathScore(4);
    scores.AddPointScore(8, 50);
    scores.clear();
    EXPECT_EQ(scores.deathsText(4), "00");
    EXPECT_EQ(scores.pointsText(8), "0000");
    EXPECT_FALSE(scores.noScoresVisible());
    scores.AddDeathScore(4);
    EXPECT_EQ(scores.deaths(4), 1);
}
