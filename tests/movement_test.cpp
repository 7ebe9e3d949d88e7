#include "arena/sound_files.h"
#include "arena/tiles.h"
#include "fakes/test_world.h"

#include <gtest/gtest.h>

namespace {

struct EdgeCase {
    int x, y, heading;
    int wrappedX, wrappedY;
};

// A cycle at each edge, heading out of the arena.
const EdgeCase edges[] = {
    {30, 0, Up, 30, LastRow},
    {30, LastRow, Down, 30, 0},
    {0, 20, Left, LastColumn, 20},
    {LastColumn, 20, Right, 0, 20},
};

} // namespace

TEST(Movement, WithoutBoundariesEveryEdgeWrapsToTheOppositeOne) {
    for (const EdgeCase& edge : edges) {
        TestWorld t;
        t.out.wall = false;
        clsCycle cycle = t.place(edge.x, edge.y, edge.heading, 1);
        EXPECT_FALSE(cycle.CollisionDetected());
        EXPECT_EQ(cycle.Move(), MoveResult::Free);
        EXPECT_EQ(cycle.X(), edge.wrappedX);
        EXPECT_EQ(cycle.Y(), edge.wrappedY);
        EXPECT_EQ(cycle.PX(), edge.wrappedX) << "bookkeeping after a completed move";
        EXPECT_EQ(t.world.Field(edge.wrappedX, edge.wrappedY), 1);
    }
}

TEST(Movement, CollisionLookAheadSeesTheCellAcrossAWrappedEdge) {
    for (const EdgeCase& edge : edges) {
        TestWorld t;
        t.out.wall = false;
        clsCycle cycle = t.place(edge.x, edge.y, edge.heading, 1);
        t.world.Field(edge.wrappedX, edge.wrappedY) = 2;
        EXPECT_TRUE(cycle.CollisionDetected());
    }
}

TEST(Movement, WithBoundariesEveryEdgeIsAWallThatCrashesTheCycleInItsOwnCell) {
    for (const EdgeCase& edge : edges) {
        TestWorld t;
        clsCycle cycle = t.place(edge.x, edge.y, edge.heading, 1);
        EXPECT_TRUE(cycle.CollisionDetected());
        EXPECT_EQ(cycle.Move(), MoveResult::Crash);
        EXPECT_EQ(cycle.X(), edge.x);
        EXPECT_EQ(cycle.Y(), edge.y);
        EXPECT_EQ(t.world.Field(edge.x, edge.y), 1) << "the crash cell keeps the own code";
        EXPECT_EQ(t.out.status, "Player 1 died by the blade of his own light cycle and is out of "
                                "the match!");
    }
}

TEST(Movement, TheBoundariesSettingIsReadAtEveryMove) {
    TestWorld t;
    clsCycle cycle = t.place(LastColumn - 1, 5, Right, 1);
    t.out.wall = true;
    EXPECT_EQ(cycle.Move(), MoveResult::Free);
    t.out.wall = false;
    EXPECT_EQ(cycle.Move(), MoveResult::Free);
    EXPECT_EQ(cycle.X(), 0);
}

TEST(Movement, AStraightMoveDrawsTheTrailPieceOnTheCellLeftAndTheHeadOnTheCellEntered) {
    TestWorld t;
    clsCycle cycle = t.place(5, 5, Right, 1, false, 3);
    cycle.Move();
    const std::vector<TileCopy> expected = {{Tile::StraightHorizontal, 30, 5, 5},
                                            {Tile::HeadRight, 30, 6, 5}};
    EXPECT_EQ(t.out.tiles, expected);
    EXPECT_EQ(t.out.refreshes, 1);
    EXPECT_TRUE(t.out.sounds.empty()) << "no turn, no sound";
}

TEST(Movement, EveryTurnDrawsItsCornerOnTheCellLeftAndTheHeadForTheNewHeading) {
    struct Turn {
        int from, to, corner, head;
    };
    const Turn turns[] = {
        {Up, Right, Tile::CornerBottomRight, Tile::HeadRight},
        {Left, Down, Tile::CornerBottomRight, Tile::HeadDown},
        {Right, Down, Tile::CornerBottomLeft, Tile::HeadDown},
        {Up, Left, Tile::CornerBottomLeft, Tile::HeadLeft},
        {Down, Right, Tile::CornerTopRight, Tile::HeadRight},
        {Left, Up, Tile::CornerTopRight, Tile::HeadUp},
        {Down, Left, Tile::CornerTopLeft, Tile::HeadLeft},
        {Right, Up, Tile::CornerTopLeft, Tile::HeadUp},
    };
    for (const Turn& turn : turns) {
        TestWorld t;
        clsCycle cycle = t.place(5, 5, turn.from, 1, false, 1);
        cycle.setDirection(turn.to);
        cycle.Move();
        const int straight =
            (turn.to == Up || turn.to == Down) ? Tile::StraightVertical : Tile::StraightHorizontal;
        ASSERT_EQ(t.out.tiles.size(), 3u);
        EXPECT_EQ(t.out.tiles[0], (TileCopy{straight, 10, 5, 5}));
        EXPECT_EQ(t.out.tiles[1], (TileCopy{turn.corner, 10, 5, 5}));
        EXPECT_EQ(t.out.tiles[2], (TileCopy{turn.head, 10, cycle.X(), cycle.Y()}));
        EXPECT_EQ(cycle.PDirection(), turn.to);
    }
}

TEST(Movement, AHumanTurnPlaysOneOfTheTwoTurnSoundsWithEvenOddsAndAComputerTurnNone) {
    TestWorld t;
    int low = 0;
    const int turns = 4000;
    for (int i = 0; i < turns; ++i) {
        t.world.Field.clear();
        clsCycle cycle = t.place(30, 20, Right, 1);
        cycle.setDirection(i % 2 ? Up : Down);
        cycle.Move();
        ASSERT_EQ(t.out.sounds.size(), 1u);
        low += t.out.sounds[0] == Sound::Turn2;
    }
    EXPECT_NEAR(low / double(turns), 0.5, 0.03);

    t.world.Field.clear();
    clsCycle computer = t.place(30, 20, Right, 3, true);
    for (int i = 0; i < 200; ++i) {
        computer.Move();
    }
    EXPECT_TRUE(t.out.sounds.empty() ||
                t.out.sounds == std::vector<std::string>{std::string(Sound::Crash)});
}

TEST(Movement, RunningIntoAnotherTrailDrawsDebrisInTheMoversColourOnTheOtherCycleCell) {
    TestWorld t;
    t.world.Field(6, 5) = 2;
    clsCycle cycle = t.place(5, 5, Right, 1, false, 4);
    EXPECT_EQ(cycle.Move(), MoveResult::Crash);
    EXPECT_EQ(t.world.Field(6, 5), 2);
    EXPECT_EQ(t.out.tiles.back(), (TileCopy{Tile::Special, Tile::EmptyY, 5, 5}))
        << "the trail, even the cell just left, is cleared after the debris is drawn";
    const TileCopy debris{Tile::Crash, 40, 6, 5};
    EXPECT_NE(std::find(t.out.tiles.begin(), t.out.tiles.end(), debris), t.out.tiles.end());
    EXPECT_EQ(t.out.sounds, std::vector<std::string>{std::string(Sound::Crash)});
    EXPECT_FALSE(cycle.Active());
    EXPECT_TRUE(cycle.Crashed());
    EXPECT_EQ(cycle.Move(), MoveResult::None);
}

TEST(Movement, TheTailClearingCellErasesTheTrailAndLeavesTheMoveUncompleted) {
    TestWorld t(3);
    t.world.Field(8, 5) = t.world.cellClearTail();
    clsCycle cycle = t.place(5, 5, Right, 1);
    cycle.Move();
    cycle.Move();
    cycle.setDirection(Up);
    t.out.forget();

    EXPECT_EQ(cycle.Move(), MoveResult::Free); // (7, 5) -> up to (7, 4)
    cycle.setDirection(Right);
    cycle.Move(); // (7, 4) -> (8, 4)
    cycle.setDirection(Down);
    t.out.forget();
    EXPECT_EQ(cycle.Move(), MoveResult::ClearTail); // (8, 4) -> (8, 5)

    EXPECT_EQ(t.world.Field(8, 5), 1);
    int trailCells = 0;
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            trailCells += t.world.Field(x, y) == 1;
        }
    }
    EXPECT_EQ(trailCells, 1) << "only the head cell is left";
    EXPECT_EQ(t.out.tiles.back(), (TileCopy{Tile::Special, Tile::ClearTailTakenY, 8, 5}));
    EXPECT_EQ(t.out.refreshes, 0);
    EXPECT_EQ(cycle.PDirection(), Right) << "bookkeeping is not done on this branch";
    EXPECT_EQ(cycle.PX(), 8);
    EXPECT_EQ(cycle.PY(), 4);

    // With the stale PDirection the cycle may turn back up into the cell it came from.
    cycle.setDirection(Up);
    EXPECT_EQ(cycle.Direction(), Up);
    EXPECT_EQ(cycle.Move(), MoveResult::Free);
    EXPECT_EQ(cycle.Y(), 4);
}

TEST(Movement, TheLookAheadCountsTheTailClearingCellAsBlocked) {
    TestWorld t(3);
    t.world.Field(6, 5) = t.world.cellClearTail();
    clsCycle cycle = t.place(5, 5, Right, 1);
    EXPECT_TRUE(cycle.CollisionDetected());
    EXPECT_EQ(cycle.Move(), MoveResult::ClearTail);
}

TEST(Movement, OfTwoCyclesHeadingForOneFreeCellTheFirstToMoveTakesItAndIsCreditedTheKill) {
    TestWorld t(3);
    clsCycle first = t.place(9, 10, Right, 1);
    clsCycle second = t.place(11, 10, Left, 3);
    first.Move();
    EXPECT_EQ(second.Move(), MoveResult::Crash);
    EXPECT_EQ(t.world.Field(10, 10), 1);
    EXPECT_EQ(t.out.status, "Player 3 was annihilated by Player 1 and is out of the match!");
    EXPECT_NE(std::find(t.out.events.begin(), t.out.events.end(), "kill 3 by 1"),
              t.out.events.end());
}
