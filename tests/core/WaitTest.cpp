#include "Fakes.h"
#include "GameState.h"
#include "Platform.h"
#include "Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>

using namespace kotebu;

namespace {

// Real clock, fresh flags.
struct WaitFixture : ::testing::Test {
    void SetUp() override { game() = GameState{}; }
    void TearDown() override
    {
        game() = GameState{};
        setClock(nullptr);
    }
};

double cpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

TEST_F(WaitFixture, EndsOnTimeWhileTimersKeepRunning)
{
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);

    QElapsedTimer elapsed;
    elapsed.start();
    const double cpuBefore = cpuSeconds();
    Wait(0.6f);
    const double cpuUsed = cpuSeconds() - cpuBefore;

    EXPECT_GE(elapsed.elapsed(), 590);
    EXPECT_LT(elapsed.elapsed(), 1500);
    EXPECT_GE(ticks, 5) << "events must keep running during a wait";
    // A polling loop would burn the whole 0.6 s of one core.
    EXPECT_LT(cpuUsed, 0.15);
}

TEST_F(WaitFixture, TimeScaleShortensTheWaitAndTheGameTimers)
{
    setTimeScale(0.1);
    QElapsedTimer elapsed;
    elapsed.start();
    Wait(2.0f);
    const qint64 waited = elapsed.elapsed();
    const int logoTick = scaledMs(200);
    const int shortestTick = scaledMs(4);
    setTimeScale(1.0);

    EXPECT_GE(waited, 195);
    EXPECT_LT(waited, 1000);
    EXPECT_EQ(logoTick, 20);
    EXPECT_EQ(shortestTick, 1) << "never a zero interval";
    EXPECT_EQ(scaledMs(200), 200);
}

TEST_F(WaitFixture, NextSceneFlagEndsTheWaitAndStaysRaised)
{
    QTimer::singleShot(100, [] { game().NextSceneRequested = True; });
    QElapsedTimer elapsed;
    elapsed.start();
    Wait(5.0f);
    EXPECT_LT(elapsed.elapsed(), 1000);
    EXPECT_EQ(game().NextSceneRequested, True);
}

TEST_F(WaitFixture, RaisedFlagReturnsBeforeAnyEventRuns)
{
    game().DemoSkipRequested = True;
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    Wait(3.0f);
    EXPECT_FALSE(ran);
    QCoreApplication::processEvents(); // let the pending timer go
}

TEST_F(WaitFixture, PassingMidnightEndsTheWait)
{
    // The clock reads just before midnight at the start, then just after.
    class MidnightClock final : public Clock {
    public:
        mutable int reads = 0;
        double secondsSinceMidnight() const override { return reads++ == 0 ? 86399.5 : 0.25; }
    } midnight;
    setClock(&midnight);

    QElapsedTimer elapsed;
    elapsed.start();
    Wait(3.0f);
    EXPECT_LT(elapsed.elapsed(), 500);
}

TEST_F(WaitFixture, WaitUntilTestsTheConditionFirstAndSleepsBetweenEvents)
{
    bool done = false;
    QTimer::singleShot(300, [&] { done = true; });
    const double cpuBefore = cpuSeconds();
    waitUntil([&] { return done; });
    EXPECT_TRUE(done);
    EXPECT_LT(cpuSeconds() - cpuBefore, 0.1);
}
