#include "fakes/test_world.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

// A cycle of colour 2 drives right from (5, 5) into (6, 5), which holds `ahead`: its own code, a
// mine (N + 1 with N slots) or another player's code.
TEST(Elimination, TheCellRunIntoNamesTheCauseAndOnlyTheCrashCellStays) {
    using Crash = std::tuple<int, int, std::uint8_t, std::string, std::string>;
    const Crash crashes[] = {
        {3, 1, 1, "death 1", "Player 1 died by the blade of his own light cycle"},
        {8, 4, 9, "death 4", "Player 4 ran into a land mine"},
        {3, 3, 1, "kill 3 by 1", "Player 3 was annihilated by Player 1"}};
    for (const auto& [slots, slot, ahead, booking, text] : crashes) {
        TestWorld t(slots);
        t.world.Field(6, 5) = ahead;
        clsCycle c = t.place(5, 5, Right, slot, false, 2);
        EXPECT_EQ(c.Move(), MoveResult::Crash);
        EXPECT_EQ(t.out.events, (Events{"sound /sounds/crash.wav", booking,
                                        "status " + text + " and is out of the match!",
                                        "grey row " + std::to_string(slot)}));
        EXPECT_EQ(t.out.tiles, (Tiles{{50, 20, 5, 5}, {150, 20, 6, 5}, {140, 0, 5, 5}}))
            << "debris in the mover's colour, then the whole trail erased";
        EXPECT_EQ(std::pair(t.world.Field(6, 5), t.world.Field(5, 5)), std::pair(ahead, CellEmpty))
            << "the crash cell keeps its code, the trail is gone";
        EXPECT_EQ(c.Move(), MoveResult::None) << "out of the match";
    }
}
