#include "DayClock.h"
#include "DayEvents.h"
#include "Fakes.h"
#include "GameState.h"
#include "RuleState.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kotebu;

namespace {

std::vector<Int16> phasesOfTicks(GameState &state, int ticks)
{
    std::vector<Int16> phases;
    for (int tick = 0; tick < ticks; ++tick) {
        advanceDayClock(state);
        phases.push_back(state.NextPhase);
    }
    return phases;
}

} // namespace

TEST(DayClock, CyclesMorningAdventureNightFromALoadedState)
{
    GameState state = test::loadedState();
    EXPECT_EQ(phasesOfTicks(state, 7), (std::vector<Int16>{2, 3, 1, 2, 3, 1, 2}));
    EXPECT_EQ(state.PhaseTick, 7);
}

TEST(DayClock, TicksWhilePausedAreLost)
{
    GameState state = test::loadedState();
    state.PhaseTick = 4;
    state.NextPhase = Phase::None;
    state.Paused = True;
    phasesOfTicks(state, 2);
    EXPECT_EQ(state.PhaseTick, 4);
    EXPECT_EQ(state.NextPhase, Phase::None);

    // Any non-zero value holds the clock, not just -1.
    state.Paused = 1;
    advanceDayClock(state);
    EXPECT_EQ(state.PhaseTick, 4);

    state.Paused = False;
    advanceDayClock(state);
    EXPECT_EQ(state.PhaseTick, 5);
    EXPECT_EQ(state.NextPhase, Phase::Adventure);
}

// Past 32767 the count must keep the order morning, adventure, night and
// never go negative.
TEST(DayClock, TickCountWrapsWithoutBreakingTheCycle)
{
    GameState state = test::loadedState();
    state.PhaseTick = 32765;
    std::vector<Int16> phases;
    for (int tick = 0; tick < 6; ++tick) {
        advanceDayClock(state);
        phases.push_back(state.NextPhase);
        ASSERT_GE(state.PhaseTick, 0) << "the count went negative after " << tick + 1 << " ticks";
    }
    // 32766 -> night, 32767 -> morning, then adventure, night, morning, adventure.
    EXPECT_EQ(phases, (std::vector<Int16>{1, 2, 3, 1, 2, 3}));
    EXPECT_LT(state.PhaseTick, 100);
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

TEST(DayClockInterval, StoredDayLengthsBecomeSafeIntervals)
{
    const struct {
        const char *stored;
        int expected;
    } rows[] = {
        {"5000", 5000},
        {"60000", 60000},
        {"2500.5", 2500},   // halves go to the even neighbour
        {"2501.5", 2502},
        {"1000.4", 1000},
        {"", DefaultDayMs}, // missing: a clock that never ticks would hang the day
        {"0", DefaultDayMs},
        {"-3000", DefaultDayMs},
        {"abc", DefaultDayMs},
        {"nan", DefaultDayMs},
        {"3000ms", 3000},   // the number at the start counts, as for every stored number
        {"40", ShortestDayMs},
        {"60001", LongestDayMs},
        {"1e12", LongestDayMs},
    };
    // Out of range by their value, whatever the sign of the exponent.
    EXPECT_EQ(dayClockInterval("." + QString(323, '0') + "1"), ShortestDayMs);
    EXPECT_EQ(dayClockInterval("1" + QString(310, '0') + "e-1"), LongestDayMs);
    for (const auto &row : rows)
        EXPECT_EQ(dayClockInterval(QString::fromLatin1(row.stored)), row.expected) << row.stored;
}
