#include "model/u_game_states.hpp"

#include "resources/u_diagnostics.hpp"
#include "support/manual_clock.hpp"

#include <gtest/gtest.h>

#include <string>

using enum TGameStateType;

TEST(GameStates, PushPopAndCurrent) {
    TManualClock clock;
    TGameStateStack stack(clock);
    EXPECT_EQ(stack.current(), StateNone);
    stack.pushState(StateLaunch);
    stack.pushState(StateEscMenu);
    EXPECT_EQ(stack.current(), StateEscMenu);
    EXPECT_TRUE(stack.pop());
    EXPECT_EQ(stack.current(), StateLaunch);
    stack.pushState(StateMotion);
    stack.clear();
    EXPECT_TRUE(stack.empty());
    EXPECT_EQ(stack.current(), StateNone);
}

TEST(GameStates, PopOfAnEmptyStackSaysSoOnceAndFails) {
    TManualClock clock;
    TGameStateStack stack(clock);
    const TDiagnosticCapture captured;
    const bool popped = stack.pop();
    EXPECT_EQ(captured.text(), "Stack was empty while pop !\n");
    EXPECT_FALSE(popped);
    EXPECT_EQ(stack.current(), StateNone);
}

TEST(GameStates, PrintListsNamesFromTheTop) {
    TManualClock clock;
    TGameStateStack stack(clock);
    stack.pushState(StateNormal);
    stack.pushState(StateEscMenu);
    const TDiagnosticCapture captured;
    stack.print();
    EXPECT_EQ(captured.text(), "TStack.print --->\nStateEscMenu\nStateNormal\n<---\n");
    stack.clear();
    EXPECT_EQ(TGameStateStack::stateName(StateAfterMotion), "StateAfterMotion");
    EXPECT_EQ(TGameStateStack::stateName(StateLaunch), "StateLaunch");
    EXPECT_EQ(TGameStateStack::stateName(StateMotion), "StateMotion");
}

TEST(GameStates, TimedStateEndsWhenItsTimeIsUsed) {
    TManualClock clock(5000);
    TGameStateStack stack(clock);
    stack.pushState(StateNormal);
    stack.pushState(StateMotion);
    stack.setDuration(1000);
    clock.advance(400);
    stack.updateTimer();
    EXPECT_EQ(stack.current(), StateMotion);
    clock.advance(599);
    stack.updateTimer();
    EXPECT_EQ(stack.current(), StateMotion);
    clock.advance(1);
    stack.updateTimer();
    EXPECT_EQ(stack.current(), StateNormal);
    // An untimed state never ends by itself.
    clock.advance(100000);
    stack.updateTimer();
    EXPECT_EQ(stack.current(), StateNormal);
    stack.clear();
}

TEST(GameStates, TimeSpentUnderAnotherStateIsNotCounted) {
    TManualClock clock(0);
    TGameStateStack stack(clock);
    stack.pushState(StateNormal);
    stack.setDuration(1000);
    clock.advance(300);
    stack.updateTimer(); // 700 left
    stack.pushState(StateEscMenu);
    clock.advance(5000);
    stack.updateTimer(); // the menu has no limit
    EXPECT_TRUE(stack.pop());
    clock.advance(699);
    stack.updateTimer();
    EXPECT_EQ(stack.current(), StateNormal);
    clock.advance(1);
    stack.updateTimer();
    EXPECT_EQ(stack.current(), StateNone);
}

TEST(GameStates, TimerStaysRightAcrossTheClockWrap) {
    TManualClock clock(0xFFFFFF00u);
    TGameStateStack stack(clock);
    stack.pushState(StateLaunch);
    stack.setDuration(1000);
    clock.advance(0x200); // wraps past 2^32: 512 ms elapsed
    stack.updateTimer();
    EXPECT_EQ(stack.current(), StateLaunch);
    clock.advance(488);
    stack.updateTimer();
    EXPECT_EQ(stack.current(), StateNone);
}

TEST(GameStates, EmptyStackOperationsAreHarmless) {
    TManualClock clock;
    TGameStateStack stack(clock);
    stack.setDuration(100);
    stack.updateTimer();
    stack.clear();
    EXPECT_TRUE(stack.empty());
}
