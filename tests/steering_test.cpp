#include "fakes/test_world.h"

#include <gtest/gtest.h>
#include <tuple>

// A computer at (30, 20) heading right makes one move among mines (code 4), 20,000 times. It
// wanders on one move in eight to a random heading and, while the way ahead is blocked, draws a
// new heading at each of eight checks; a reversal is refused. The expected shares of moves that
// end on a free cell after a turn follow from that; each tolerance is about five standard errors
// of a share over 20,000 trials, and the faults it must tell apart are ten or more away.
TEST(Steering, AComputerTurnsAtItsRatesSilentlyAndNeverReverses) {
    using Case = std::tuple<std::vector<std::pair<int, int>>, double, double>;
    const Case cases[] = {{{}, 0.0625, 0.008}, // open: 1/8 wanders, half of them to a side
                          {{{31, 20}, {30, 19}}, 0.9030, 0.01}, // one free side: 1 - (31/32)(3/4)^8
                          {{{31, 20}}, 0.9963, 0.002}, // both sides free: 1 - (15/16)(1/2)^8
                          {{{31, 20}, {30, 19}, {30, 21}}, 0, 0}}; // boxed in
    for (const auto& [mines, expected, tolerance] : cases) {
        TestWorld t(3, 7);
        int escapes = 0;
        for (int i = 0; i < 20000; ++i) {
            t.world.Field.clear();
            for (const auto& [x, y] : mines) {
                t.world.Field(x, y) = 4;
            }
            clsCycle c = t.place(30, 20, Right, 3, true);
            const bool free = c.Move() == MoveResult::Free;
            ASSERT_NE(c.Direction(), Left) << "a reversal";
            if (free && c.Direction() != Right) {
                ++escapes;
                ASSERT_TRUE(t.out.events.empty()) << "a computer turns without a sound";
            }
        }
        EXPECT_NEAR(escapes / 20000.0, expected, tolerance) << mines.size() << " mines";
    }
}
