#include "DayEvents.h"
#include "Fakes.h"
#include "GameState.h"

#include <gtest/gtest.h>

using namespace kotebu;

// Past 32767 the count must keep the order morning, adventure, night: each
// step moves the remainder mod 3 on by one and the count never goes negative.
TEST(PhaseTick, StepsKeepTheirOrderAcrossTheSixteenBitTop)
{
    Int16 tick = 32760;
    for (int step = 0; step < 20; ++step) {
        const Int16 next = nextPhaseTick(tick);
        ASSERT_GE(next, 0);
        EXPECT_EQ(next % 3, (tick % 3 + 1) % 3) << "after " << tick;
        tick = next;
    }
}

TEST(PhaseTick, MorningThatFillsTheDayAtTheTopStillSkipsOnePhase)
{
    GameState state;
    state.CrLf = gameLineBreak();
    state.Stamina = 0; // illness: the day's adventure is skipped
    state.PhaseTick = 32767;
    test::ScriptedRandom draws{0.9f, 0.9f};
    Morning(state, draws);
    EXPECT_EQ(state.PhaseTick % 3, 2) << "the count after 32767 is worth 32768 mod 3";
}
