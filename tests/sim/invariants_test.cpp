#include "fakes/test_world.h"
#include "invariants.h"

#include <array>
#include <functional>
#include <gmock/gmock.h>

using testing::HasSubstr;
using testing::Optional;

namespace {

// Three slots on a walled grid, with cycle 1 heading right from (5, 5), slots 2 and 3 left
// empty, and a mine (code 4) below it. Codes: 5 unused, 6 tail-clearing cell.
struct Arena {
    TestWorld t{3};
    clsCycle one = t.place(5, 5, Right, 1);
    clsCycle empty{t.world};
    std::array<const clsCycle*, 3> cycles{&one, &empty, &empty};
    ScoreTable scores;
    bool stopped = false; // checked as after Stop

    Arena() { cell(5, 6) = 4; }
    std::uint8_t& cell(int x, int y) { return t.world.Field(x, y); }
    MatchState state() const { return {t.world.Field, 3, cycles, scores}; }
    Arena& drive(std::initializer_list<int> headings) {
        for (const int heading : headings) {
            one.setDirection(heading);
            one.Move();
        }
        return *this;
    }
};

// Legal states: cycle 1 turned twice; crashed into its own trail at (5, 5), which keeps its
// code; crashed into the mine at (5, 6), its trail gone, as after Stop too.
using Step = std::function<void(Arena&)>;
const Step Play = [](Arena& a) { a.drive({Right, Down, Down}); };
const Step Own = [](Arena& a) { a.drive({Up, Left, Down, Right}); };
const Step Mine = [](Arena& a) { a.drive({Down}); };
const Step Stopped = [](Arena& a) { a.drive({Down}).stopped = true; };
const Step Clear = [](Arena& a) { a.scores.clear(); };
Step set(int x, int y, std::uint8_t code) {
    return [=](Arena& a) { a.cell(x, y) = code; };
}

const std::tuple<Step, Step, const char*> Cases[] = {
    {Play, set(6, 7, 0), "cycle 1 is in play at (6, 7), a cell holding 0"},
    {Play, [](Arena& a) { a.one.setX(61); }, "cycle 1 is in play outside the grid at (61, 7)"},
    {set(9, 9, 6), set(9, 9, 5), "cell (9, 9) holds 5, a code no cell may hold"},
    {set(9, 9, 6), set(9, 9, 7), "cell (9, 9) holds 7, a code no cell may hold"},
    {Play, set(9, 9, 2), "cell (9, 9) holds 2, the code of slot 2, which holds no cycle"},
    {Own, set(5, 4, 1), "cell (5, 4) holds 1, the trail of cycle 1, which is out"},
    {Own, set(5, 5, 0), "cell (5, 5), where cycle 1 crashed, lost the code"},
    {Mine, set(5, 6, 1), "cell (5, 6), where cycle 1 crashed, now holds its code"},
    {Mine, [](Arena& a) { a.one.setX(61); }, "cycle 1 crashed outside the grid at (61, 6)"},
    {[](Arena& a) { a.scores.AddPointScore(2, 50); }, Clear, "player 2's points fell from 50 to 0"},
    {[](Arena& a) { a.scores.AddKillScore(1, 3); }, Clear, "player 3's kills fell from 1 to 0"},
    {[](Arena& a) { a.scores.AddDeathScore(4); }, Clear, "player 4's deaths fell from 1 to 0"},
    {Stopped, set(5, 6, 1), "cell (5, 6) still holds the trail code 1 after Stop"},
    {Play, [](Arena& a) { a.stopped = true; }, "cycle 1 is still in play after Stop"},
};

} // namespace

TEST(Invariants, PassLegalStatesAndNameEachBrokenOne) {
    for (const auto& [legal, breakIt, violation] : Cases) {
        Arena a;
        InvariantChecker checker;
        const auto check = [&] {
            return a.stopped ? checker.afterStop(a.state()) : checker.afterTick(a.state());
        };
        EXPECT_EQ(checker.afterSetup(a.state()), std::nullopt);
        legal(a);
        EXPECT_EQ(check(), std::nullopt) << violation;
        breakIt(a);
        EXPECT_THAT(check(), Optional(HasSubstr(violation)));
    }
}
