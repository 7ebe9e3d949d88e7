#include "arena/random_source.h"

#include <gtest/gtest.h>

TEST(RandomSource, AFixedSeedMakesEveryDrawReproducibleReseedsIncluded) {
    RandomSource a(1234);
    RandomSource b(1234);
    for (int i = 0; i < 1000; ++i) {
        a.reseedFromClock();
        b.reseedFromClock();
        ASSERT_EQ(a.draw(), b.draw());
    }
}

TEST(RandomSource, ReseedsWithinOneClockReadingDoNotRepeatDraws) {
    for (RandomSource source : {RandomSource(), RandomSource(5)}) {
        source.reseedFromClock();
        const double first = source.draw();
        source.reseedFromClock();
        const double second = source.draw();
        source.reseedFromClock();
        source.reseedFromClock();
        const double third = source.draw();
        EXPECT_NE(first, second);
        EXPECT_NE(second, third);
        EXPECT_NE(first, third);
    }
}

TEST(RandomSource, DrawsAreUniformInTheHalfOpenUnitInterval) {
    RandomSource source(99);
    int buckets[10] = {};
    const int draws = 100000;
    for (int i = 0; i < draws; ++i) {
        source.reseedFromClock();
        const double r = source.draw();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++buckets[static_cast<int>(r * 10)];
    }
    for (int count : buckets) {
        EXPECT_NEAR(count, draws / 10.0, 400);
    }
}

TEST(RandomSource, DifferentSeedsGiveDifferentSequences) {
    RandomSource a(1);
    RandomSource b(2);
    EXPECT_NE(a.draw(), b.draw());
}
