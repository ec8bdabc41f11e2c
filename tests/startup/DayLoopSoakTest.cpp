// The real day loop at its shortest day, run a hundred times faster, game
// after game and across the wrap of the 16-bit tick count: the phases keep
// their order, nothing overflows, and the heap does not grow from game to
// game.
#include "Battle.h"
#include "Fakes.h"
#include "Form1.h"
#include "GameState.h"
#include "Main.h"
#include "Random.h"

#include <QCoreApplication>
#include <QImage>
#include <QTimer>

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstddef>
#include <cstdio>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KOTEBU_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KOTEBU_ASAN 1
#endif
#ifdef KOTEBU_ASAN
// The sanitizer runtime's own count of live heap bytes (GCC ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace kotebu;

namespace {

std::size_t liveHeapBytes()
{
#ifdef KOTEBU_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// Every reading is ten seconds after the last, so the boss's three-second
// pause ends at its first look at the clock.
class RacingClock final : public Clock {
public:
    double secondsSinceMidnight() const override { return m_now += 10.0; }

private:
    mutable double m_now = 0.0;
};

void freshHeroine(GameState &state, bool secondGame)
{
    state.SecondGame = secondGame ? True : False;
    state.Year = 0;
    state.Experience = 0;
    state.Stamina = 5;
    state.Knowledge = 1;
    state.Information = 1;
    state.Love = 1;
    state.Charm = 1;
    state.EventFlags = 0;
    state.GameRunning = True;
    state.CrLf = gameLineBreak();
}

} // namespace

TEST(DayLoopSoak, ShortDaysAcrossTheTickWrapKeepTheirOrderAndTheirMemory)
{
    test::Sandbox sandbox;
    RacingClock racing;
    setClock(&racing);
    SeededRandom random(20261208);
    setRandomSource(&random);
    // The shortest day, 100 ms, a hundred times faster: the window's clock
    // ticks every millisecond.
    setTimeScale(0.01);
    sandbox.writeFile("KTBSP.INI", "[KoTeBu]\r\nTimeOfDay=100\r\n[KoTeBu2]\r\nTimeOfDay=100\r\n");

    // Small monster pictures of our own, so the soak measures the loop and
    // not the decoding of pictures.
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    for (bool second : {false, true})
        for (const RosterRow &row : roster(second))
            picture.save(sandbox.dir() + "/" + row.image + ".KB2", "PNG");

    constexpr int Ticks = 2400;
    GameState &state = game();
    state.PictureFolder = sandbox.dir() + "/";
    freshHeroine(state, false);
    // Half way through, the tick count passes its 16-bit top.
    state.PhaseTick = static_cast<Int16>(32767 - Ticks / 2);
    Form1 window;

    // Each tick, seen right after the window's own handler.
    int ticks = 0;
    int wrongTicks = 0;
    bool wrapped = false;
    Int16 previousTick = state.PhaseTick;
    QObject::connect(window.dayClock(), &QTimer::timeout, [&] {
        ++ticks;
        if (state.PhaseTick < previousTick)
            wrapped = true;
        previousTick = state.PhaseTick;
        if (state.PhaseTick < 0 || state.NextPhase != state.PhaseTick % 3 + 1) {
            if (wrongTicks++ == 0)
                ADD_FAILURE() << "tick " << ticks << ": count " << state.PhaseTick << ", phase " << state.NextPhase;
        }
    });

    int games = 0;
    std::size_t heapAfterWarmUp = 0;
    while (ticks < Ticks) {
        RunDays(window);
        ++games;
        freshHeroine(state, games % 2 == 1);
        if (games == 2)
            heapAfterWarmUp = liveHeapBytes();
    }
    window.dayClock()->stop();
    QCoreApplication::processEvents();
    setTimeScale(1.0);

    EXPECT_EQ(wrongTicks, 0);
    EXPECT_TRUE(wrapped) << "the run should pass the tick count's top";
    EXPECT_GT(games, 6) << "the soak should cover many whole games";
    const std::size_t heapAtEnd = liveHeapBytes();
    EXPECT_LT(heapAtEnd, heapAfterWarmUp + 512 * 1024)
        << "heap grew from " << heapAfterWarmUp << " to " << heapAtEnd << " bytes";
    std::printf("%d ticks, %d games, heap %zu -> %zu bytes\n", ticks, games, heapAfterWarmUp, heapAtEnd);
}
