#include "fakes/test_world.h"

#include <array>
#include <gtest/gtest.h>
#include <tuple>

TEST(Cycle, InitalizeSetsTheHeadingUnconditionallyThenAReversalOfTheLastMoveIsRefused) {
    TestWorld t;
    clsCycle c(t.world); // heads up before it is placed
    c.Initalize(10, 10, Down, 0, false, 4);
    // The start cell takes the slot's code but shows only after the first move.
    EXPECT_EQ(std::tuple(c.Direction(), int(t.world.Field(10, 10)), t.out.tiles.size()),
              std::tuple(int(Down), 4, 0u));
    // Each pair: a heading set, the heading then held. Several settings within one tick are
    // judged against the last completed move, so they cannot add up to a reversal.
    for (const auto& [set, held] :
         {std::pair{Up, Down}, {Left, Left}, {Right, Right}, {Up, Right}}) {
        c.setDirection(set);
        EXPECT_EQ(c.Direction(), held);
    }
    c.setDirection(Left);
    c.Move();
    c.setDirection(Right);
    EXPECT_EQ(c.Direction(), Left);
}

TEST(Cycle, EveryEdgeWrapsOrStopsTheCycleByTheBoundariesSetting) {
    const std::array<int, 5> edges[] = {
        {30, 0, Up, 30, 46}, {30, 46, Down, 30, 0}, {0, 20, Left, 60, 20}, {60, 20, Right, 0, 20}};
    for (const auto& [x, y, heading, farX, farY] : edges) {
        for (const bool wall : {false, true}) {
            SCOPED_TRACE(testing::Message() << x << ',' << y << (wall ? " wall" : " wrap"));
            TestWorld t;
            t.out.wall = !wall;
            clsCycle c = t.place(x, y, heading, 1);
            t.out.wall = wall; // read afresh at every move, not kept from the start
            EXPECT_EQ(c.CollisionDetected(), wall);
            t.world.Field(farX, farY) = 2; // the look-ahead sees across the edge
            EXPECT_TRUE(c.CollisionDetected());
            t.world.Field(farX, farY) = CellEmpty;
            EXPECT_EQ(c.Move(), wall ? MoveResult::Crash : MoveResult::Free);
            EXPECT_EQ(std::pair(c.X(), c.Y()), wall ? std::pair(x, y) : std::pair(farX, farY));
            EXPECT_EQ(t.world.Field(c.X(), c.Y()), 1) << "a wall leaves the cycle on its own cell";
        }
    }
}

// Source x of the pieces: 40 vertical, 50 horizontal; corners 60 bottom-right, 70 bottom-left,
// 80 top-right, 90 top-left; heads 100 left, 110 up, 120 right, 130 down; the head moves to
// (x, y). Source y: 10 a colour. (A straight move draws no corner: see the elimination table.)
// Over 4,000 turns the share of either chirp has a standard deviation of 0.008: 0.03 is nearly
// four of them, while a cycle that always plays the same chirp is off by 0.5.
TEST(Cycle, ATurnDrawsItsPiecesInTheColourRowAndPlaysEitherChirpAtEvenOdds) {
    const std::array<int, 8> pieces[] = {
        {Up, Right, 2, 50, 60, 120, 6, 5},   {Left, Down, 3, 40, 60, 130, 5, 6},
        {Right, Down, 4, 40, 70, 130, 5, 6}, {Up, Left, 0, 50, 70, 100, 4, 5},
        {Down, Right, 1, 50, 80, 120, 6, 5}, {Left, Up, 2, 40, 80, 110, 5, 4},
        {Down, Left, 3, 50, 90, 100, 4, 5},  {Right, Up, 4, 40, 90, 110, 5, 4}};
    TestWorld t;
    int low = 0;
    for (int i = 0; i < 4000; ++i) {
        const auto& [from, to, colour, straight, corner, head, x, y] = pieces[i % 8];
        t.world.Field.clear();
        clsCycle c = t.place(5, 5, from, 1, false, colour);
        c.setDirection(to);
        c.Move();
        const int sy = 10 * colour;
        ASSERT_EQ(t.out.tiles, (Tiles{{straight, sy, 5, 5}, {corner, sy, 5, 5}, {head, sy, x, y}}))
            << from << " to " << to;
        ASSERT_EQ(t.out.refreshes, 1);
        const bool isLow = t.out.events == Events{"sound /sounds/turn2.wav"};
        ASSERT_TRUE(isLow || t.out.events == Events{"sound /sounds/turn3.wav"});
        low += isLow;
    }
    EXPECT_NEAR(low / 4000.0, 0.5, 0.03);
}

// With 3 slots the tail-clearing cell holds code 6.
TEST(Cycle, TheTailClearingCellErasesTheTrailButLeavesTheMoveUncompleted) {
    TestWorld t;
    t.world.Field(6, 6) = 6;
    clsCycle c = t.place(5, 5, Right, 1);
    c.Move();
    c.setDirection(Down);
    EXPECT_TRUE(c.CollisionDetected()) << "the look-ahead counts the cell as blocked";
    t.out.forget();
    EXPECT_EQ(c.Move(), MoveResult::ClearTail);
    const Tiles erased{
        {40, 0, 6, 5}, {70, 0, 6, 5}, {140, 0, 5, 5}, {140, 0, 6, 5}, {140, 30, 6, 6}};
    EXPECT_EQ(t.out.tiles, erased);
    // No refresh on this branch; the cell becomes the head.
    EXPECT_EQ(std::pair(t.out.refreshes, int(t.world.Field(6, 6))), std::pair(0, 1));
    // Heading and position of the last completed move stay as they were.
    EXPECT_EQ(std::tuple(c.PDirection(), c.PX(), c.PY()), std::tuple(int(Right), 6, 5));
    c.setDirection(Up); // the stale heading lets the cycle turn back into the erased cell
    EXPECT_EQ(c.Move(), MoveResult::Free);
    EXPECT_EQ(c.Y(), 5);
}
