#include "arena/tiles.h"
#include "fakes/test_world.h"

#include <gtest/gtest.h>

namespace {

bool contains(const std::vector<std::string>& events, const std::string& event) {
    return std::find(events.begin(), events.end(), event) != events.end();
}

} // namespace

TEST(Elimination, RunningIntoItsOwnTrailBooksADeathAndLeavesOnlyTheCrashCell) {
    TestWorld t(3);
    clsCycle cycle = t.place(5, 5, Right, 1);
    for (int heading : {Right, Down, Left}) {
        cycle.setDirection(heading);
        cycle.Move();
    }
    cycle.setDirection(Up);
    EXPECT_EQ(cycle.Move(), MoveResult::Crash) << "back into its start cell (5, 5)";
    EXPECT_EQ(t.out.status,
              "Player 1 died by the blade of his own light cycle and is out of the match!");
    EXPECT_TRUE(contains(t.out.events, "death 1"));
    EXPECT_TRUE(contains(t.out.events, "grey row 1"));
    int cells = 0;
    for (int x = 0; x < FieldColumns; ++x) {
        for (int y = 0; y < FieldRows; ++y) {
            cells += t.world.Field(x, y) == 1;
        }
    }
    EXPECT_EQ(cells, 1);
    EXPECT_EQ(t.world.Field(cycle.X(), cycle.Y()), 1) << "the crash cell stays an obstacle";
}

TEST(Elimination, AMineBooksADeathForTheVictimAndNoKill) {
    TestWorld t(8);
    t.world.Field(6, 5) = t.world.cellMine();
    clsCycle cycle = t.place(5, 5, Right, 4, true);
    cycle.setDirection(Right);
    t.world.Field(5, 4) = t.world.Field(5, 6) = t.world.cellMine(); // no escape
    cycle.Move();
    EXPECT_EQ(t.out.status, "Player 4 (Computer) ran into a land mine and is out of the match!");
    EXPECT_TRUE(contains(t.out.events, "death 4"));
    EXPECT_EQ(t.world.Field(6, 5), 9) << "a mine stays a mine";
}

TEST(Elimination, RemovingAnActiveCycleOnlyClearsItsTail) {
    TestWorld t(3);
    clsCycle cycle = t.place(5, 5, Right, 2);
    cycle.Move();
    t.out.forget();
    cycle.Remove();
    EXPECT_TRUE(cycle.Active());
    EXPECT_FALSE(cycle.Crashed());
    EXPECT_EQ(t.out.tiles, std::vector<TileCopy>({{Tile::Special, Tile::EmptyY, 5, 5}}));
    EXPECT_TRUE(t.out.events.empty()) << "no announcement, booking or greyed row";
    EXPECT_EQ(t.out.refreshes, 1);
}

TEST(Elimination, AnEmptyCellUnderARemovedCycleNamesPlayerZeroAndBooksNoTally) {
    TestWorld t(3);
    clsCycle cycle = t.place(5, 5, Right, 3, true);
    t.world.Field.clear(); // as after a stop
    cycle.setActive(false);
    cycle.Remove();
    EXPECT_EQ(t.out.status,
              "Player 3 (Computer) was annihilated by Player 0 and is out of the match!");
    EXPECT_EQ(t.out.events,
              (std::vector<std::string>{"kill 3 by 0", "status " + t.out.status, "grey row 3"}));
}
