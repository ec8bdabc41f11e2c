// The day loop at its shortest day for longer than the 16-bit tick count
// lasts: the phases keep their order, nothing overflows, and the heap does
// not grow from game to game.
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

TEST(DayLoopSoak, FortyThousandShortDaysKeepTheirOrderAndTheirMemory)
{
    test::Sandbox sandbox;
    RacingClock racing;
    setClock(&racing);
    SeededRandom random(20261208);
    setRandomSource(&random);

    // Small monster pictures of our own, so the soak measures the loop and
    // not the decoding of pictures.
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    for (bool second : {false, true})
        for (const RosterRow &row : roster(second))
            picture.save(sandbox.dir() + "/" + row.image + ".KB2", "PNG");

    GameState &state = game();
    state.PictureFolder = sandbox.dir() + "/";
    freshHeroine(state, false);
    Form1 window;
    window.show();

    int games = 0;
    std::size_t heapAfterWarmUp = 0;
    constexpr int Ticks = 40000;
    for (int tick = 1; tick <= Ticks; ++tick) {
        state.NextPhase = 0;
        test::fireTimeout(window.dayClock());
        ASSERT_GE(state.PhaseTick, 0) << "tick " << tick;
        ASSERT_EQ(state.NextPhase, state.PhaseTick % 3 + 1) << "tick " << tick;
        state.LastPhase = state.NextPhase;
        RunPhase(window, state.LastPhase);
        // The day loop lets the window's events run between phases.
        QCoreApplication::processEvents();
        if (!state.GameRunning) {
            ++games;
            freshHeroine(state, games % 2 == 1);
        }
        if (tick == 4000)
            heapAfterWarmUp = liveHeapBytes();
    }
    QCoreApplication::processEvents();

    EXPECT_GT(games, 20) << "the soak should cover many whole games";
    const std::size_t heapAtEnd = liveHeapBytes();
    EXPECT_LT(heapAtEnd, heapAfterWarmUp + 2 * 1024 * 1024)
        << "heap grew from " << heapAfterWarmUp << " to " << heapAtEnd << " bytes";
}
