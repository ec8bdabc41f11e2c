#include "Fakes.h"
#include "GameState.h"
#include "Platform.h"
#include "Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

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

} // namespace

TEST_F(WaitFixture, EndsOnTimeWhileTimersKeepRunning)
{
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);

    QElapsedTimer elapsed;
    elapsed.start();
    const double cpuBefore = test::processorSeconds();
    Wait(0.6f);
    const double cpuUsed = test::processorSeconds() - cpuBefore;

    EXPECT_GE(elapsed.elapsed(), 590) << "never early";
    EXPECT_GE(ticks, 2) << "events must keep running during a wait";
    // A polling loop would burn the whole 0.6 s of one core.
    EXPECT_LT(cpuUsed, 0.15);
}

namespace {

// A time of day that moves only when the test says, a tenth of a second a
// step, driven from the event queue the wait itself runs.
struct SteppedClock final : Clock {
    double now = 1000.0;
    int steps = 0;
    QTimer stepper;
    explicit SteppedClock(std::function<void(int)> atStep = {})
    {
        QObject::connect(&stepper, &QTimer::timeout, [this, atStep] {
            now += 0.1;
            ++steps;
            if (atStep)
                atStep(steps);
        });
        stepper.start(1);
        setClock(this);
    }
    double secondsSinceMidnight() const override { return now; }
};

} // namespace

TEST_F(WaitFixture, TimeScaleShortensTheWaitAndTheGameTimers)
{
    setTimeScale(0.1);
    SteppedClock clock;
    Wait(2.0f);
    const int logoTick = scaledMs(200);
    const int shortestTick = scaledMs(4);
    setTimeScale(1.0);

    EXPECT_GE(clock.steps, 2) << "0.2 s of the clock, not less";
    EXPECT_LE(clock.steps, 3) << "0.2 s of the clock, not the 2 s unscaled";
    EXPECT_EQ(logoTick, 20);
    EXPECT_EQ(shortestTick, 1) << "never a zero interval";
    EXPECT_EQ(scaledMs(200), 200);
}

TEST_F(WaitFixture, NextSceneFlagEndsTheWaitAndStaysRaised)
{
    SteppedClock clock([](int step) {
        if (step == 3)
            game().NextSceneRequested = True;
    });
    Wait(5.0f);
    EXPECT_LE(clock.steps, 4) << "the wait ran on after the flag";
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
    // The clock reads just before midnight at the start, then just after; a
    // wait that missed midnight would read on until the clock says its three
    // seconds are long over.
    class MidnightClock final : public Clock {
    public:
        mutable int reads = 0;
        double secondsSinceMidnight() const override
        {
            ++reads;
            return reads == 1 ? 86399.5 : reads < 10 ? 0.25 : 86399.5 + 60.0;
        }
    } midnight;
    setClock(&midnight);

    Wait(3.0f);
    EXPECT_EQ(midnight.reads, 3) << "the start, then one look at the clock (read twice)";
}

TEST_F(WaitFixture, WaitUntilTestsTheConditionFirstAndSleepsBetweenEvents)
{
    bool done = false;
    QTimer::singleShot(300, accurateTimer(), [&] { done = true; });
    const double cpuBefore = test::processorSeconds();
    waitUntil([&] { return done; });
    EXPECT_TRUE(done);
    EXPECT_LT(test::processorSeconds() - cpuBefore, 0.1);
}
