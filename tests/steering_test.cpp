#include "fakes/test_world.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int Trials = 20000;

// Runs one computer move from (30, 20) heading right, on an arena holding only `obstacles`, many
// times; returns how often the move ended on a free cell, and counts the headings taken.
struct Outcome {
    double survived = 0;
    double turned = 0;
    bool reversed = false;
};

Outcome moveOnce(std::initializer_list<std::pair<int, int>> obstacles) {
    TestWorld t(3, 7);
    Outcome outcome;
    int survived = 0;
    int turned = 0;
    for (int i = 0; i < Trials; ++i) {
        t.world.Field.clear();
        for (auto [x, y] : obstacles) {
            t.world.Field(x, y) = t.world.cellMine();
        }
        clsCycle cycle = t.place(30, 20, Right, 3, true);
        survived += cycle.Move() == MoveResult::Free;
        turned += cycle.Direction() != Right;
        outcome.reversed |= cycle.Direction() == Left;
    }
    outcome.survived = survived / double(Trials);
    outcome.turned = turned / double(Trials);
    return outcome;
}

} // namespace

TEST(Steering, InOpenSpaceAComputerTurnsOnOneMoveInSixteenAndNeverReverses) {
    const Outcome outcome = moveOnce({});
    EXPECT_NEAR(outcome.turned, 1.0 / 16, 0.008);
    EXPECT_FALSE(outcome.reversed);
    EXPECT_EQ(outcome.survived, 1.0);
}

TEST(Steering, BlockedAheadWithOneFreeSideAComputerEscapesAboutNinetyPercentOfTheTime) {
    const Outcome outcome = moveOnce({{31, 20}, {30, 19}});
    EXPECT_NEAR(outcome.survived, 1 - (31.0 / 32) * std::pow(0.75, 8), 0.01);
}

TEST(Steering, BlockedAheadWithBothSidesFreeAComputerAlmostAlwaysEscapes) {
    const Outcome outcome = moveOnce({{31, 20}});
    EXPECT_NEAR(outcome.survived, 1 - (15.0 / 16) * std::pow(0.5, 8), 0.002);
}

TEST(Steering, WithNoFreeNeighbourAComputerAlwaysCrashes) {
    const Outcome outcome = moveOnce({{31, 20}, {30, 19}, {30, 21}});
    EXPECT_EQ(outcome.survived, 0.0);
}

TEST(Steering, AtAWrappingEdgeAComputerSeesTheFarSideAndDrivesThrough) {
    TestWorld t(3, 11);
    t.out.wall = false;
    int wrapped = 0;
    for (int i = 0; i < 1000; ++i) {
        t.world.Field.clear();
        clsCycle cycle = t.place(LastColumn, 20, Right, 3, true);
        cycle.Move();
        wrapped += cycle.X() == 0;
    }
    EXPECT_NEAR(wrapped / 1000.0, 15.0 / 16, 0.03);
}

TEST(Steering, AComputerDrivingAtAWallTurnsAsideBeforeIt) {
    TestWorld t(3, 13);
    int survived = 0;
    for (int i = 0; i < 1000; ++i) {
        t.world.Field.clear();
        clsCycle cycle = t.place(LastColumn, 20, Right, 3, true);
        survived += cycle.Move() == MoveResult::Free;
    }
    EXPECT_GT(survived, 990);
}
