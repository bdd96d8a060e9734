#include "physics/u_physics_timer.hpp"

#include "support/manual_clock.hpp"

#include <gtest/gtest.h>

#include <cstdint>

TEST(TurnTimer, StartsFullAndRunsOutAtExactlyItsDuration) {
    TManualClock clock(12345);
    const TTimer timer(TTimer::turnDuration, clock);
    EXPECT_EQ(timer.startTicks, 12345U);
    EXPECT_EQ(timer.remaining(), 40000);
    EXPECT_TRUE(timer.isRunning());

    clock.advance(39999);
    EXPECT_EQ(timer.remaining(), 1);
    EXPECT_TRUE(timer.isRunning());

    clock.advance(1);
    EXPECT_EQ(timer.remaining(), 0);
    EXPECT_FALSE(timer.isRunning());

    clock.advance(2500);
    EXPECT_EQ(timer.remaining(), -2500);
    EXPECT_FALSE(timer.isRunning());
}

TEST(TurnTimer, RestartAndSetDuration) {
    TManualClock clock(1000);
    TTimer timer(TTimer::turnDuration, clock);
    clock.advance(45000);
    ASSERT_FALSE(timer.isRunning());
    timer.restart();
    EXPECT_EQ(timer.startTicks, 46000U);
    EXPECT_EQ(timer.remaining(), 40000);
    EXPECT_TRUE(timer.isRunning());

    clock.advance(10000);
    // A new duration counts from the same start: the turn is shortened, not restarted.
    timer.setDuration(15000);
    EXPECT_EQ(timer.startTicks, 46000U);
    EXPECT_EQ(timer.remaining(), 5000);
    timer.setDuration(10000);
    EXPECT_EQ(timer.remaining(), 0);
    EXPECT_FALSE(timer.isRunning());
}

TEST(TurnTimer, RunsWhenStartedPastTwoToTheThirtyFirst) {
    // A start read as a signed number would be negative here and the turn over at once.
    TManualClock clock((1U << 31) + 5000);
    const TTimer timer(TTimer::turnDuration, clock);
    EXPECT_TRUE(timer.isRunning());
    clock.advance(39999);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.remaining(), 1);
    clock.advance(1);
    EXPECT_FALSE(timer.isRunning());
}

TEST(TurnTimer, StaysRightWhenTheCounterWrapsToZero) {
    TManualClock clock(0xFFFFFFFFU - 999);
    const TTimer timer(TTimer::turnDuration, clock);
    clock.advance(30000);
    EXPECT_EQ(clock.ticks(), 29000U);
    EXPECT_EQ(timer.remaining(), 10000);
    EXPECT_TRUE(timer.isRunning());
    clock.advance(10000);
    EXPECT_FALSE(timer.isRunning());
}
