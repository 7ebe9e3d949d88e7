#include "fakes/test_world.h"

#include <gtest/gtest.h>

TEST(Cycle, ReversalIsRefusedAgainstTheLastCompletedHeadingNotThePendingOne) {
    TestWorld t;
    clsCycle cycle = t.place(10, 10, Up, 1);

    cycle.setDirection(Down);
    EXPECT_EQ(cycle.Direction(), Up);

    cycle.setDirection(Left);
    cycle.setDirection(Right); // opposite of the pending turn, not of PDirection: accepted
    EXPECT_EQ(cycle.Direction(), Right);

    cycle.setDirection(Left);
    cycle.setDirection(Down); // still refused: several settings in one tick cannot reverse
    EXPECT_EQ(cycle.Direction(), Left);
}

TEST(Cycle, SettingsWithinOneTickCannotTogetherReverseTheCycle) {
    TestWorld t;
    clsCycle cycle = t.place(10, 10, Right, 1);
    for (int heading : {Up, Left, Down, Left}) {
        cycle.setDirection(heading);
    }
    EXPECT_EQ(cycle.Direction(), Down);
    cycle.Move();
    EXPECT_EQ(cycle.X(), 10);
    EXPECT_EQ(cycle.Y(), 11);
}

TEST(Cycle, CoordinateSettersKeepThePreviousValueOfTheirOwnAxisOnly) {
    TestWorld t;
    clsCycle cycle = t.place(3, 4, Right, 1);
    cycle.setX(5);
    cycle.setX(6);
    EXPECT_EQ(cycle.X(), 6);
    EXPECT_EQ(cycle.PX(), 5);
    EXPECT_EQ(cycle.PY(), 4);
}

TEST(Cycle, InitalizePlacesTheCycleAndSetsItsHeadingUnconditionally) {
    TestWorld t;
    clsCycle cycle(t.world);
    cycle.setPDirection(Up);
    cycle.Initalize(10, 20, Down, 2, false, 4);

    EXPECT_EQ(cycle.Direction(), Down);
    EXPECT_EQ(cycle.PDirection(), Down);
    EXPECT_EQ(cycle.X(), 10);
    EXPECT_EQ(cycle.PX(), 10);
    EXPECT_EQ(cycle.Y(), 20);
    EXPECT_EQ(cycle.PY(), 20);
    EXPECT_EQ(cycle.Color(), 2);
    EXPECT_EQ(cycle.selIndex(), 4);
    EXPECT_TRUE(cycle.IsHuman());
    EXPECT_TRUE(cycle.Active());
    EXPECT_FALSE(cycle.Crashed());
    EXPECT_EQ(t.world.Field(10, 20), 4);
    EXPECT_TRUE(t.out.tiles.empty()) << "the start cell shows only after the first move";
    EXPECT_EQ(t.out.refreshes, 1);

    cycle.Initalize(1, 1, Left, 0, true, 3);
    EXPECT_FALSE(cycle.IsHuman());
}

TEST(Cycle, AnUnplacedCycleNeitherMovesNorLeavesTheMatch) {
    TestWorld t;
    clsCycle cycle(t.world);
    EXPECT_EQ(cycle.Move(), MoveResult::None);
    cycle.Remove();
    cycle.ClearTail();
    EXPECT_TRUE(t.out.tiles.empty());
    EXPECT_TRUE(t.out.events.empty());
    EXPECT_FALSE(cycle.Crashed());
}
