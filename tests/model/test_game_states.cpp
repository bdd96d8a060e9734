#include "model/u_game_states.hpp"

#include "resources/u_diagnostics.hpp"
#include "support/manual_clock.hpp"

#include <gtest/gtest.h>

#include <string>

using enum TGameStateType;

namespace {

class GameStates : public ::testing::Test {
protected:
    // Lets the clock run on for one frame's timer update and tells which state is then on top.
    TGameStateType stateAfter(std::uint32_t milliseconds) {
        clock.advance(milliseconds);
        stack.updateTimer();
        return stack.current();
    }

    TManualClock clock;
    TGameStateStack stack{clock};
};

} // namespace

TEST_F(GameStates, PushPopAndCurrent) {
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

TEST_F(GameStates, PopOfAnEmptyStackSaysSoOnceAndFails) {
    const TDiagnosticCapture captured;
    const bool popped = stack.pop();
    EXPECT_EQ(captured.text(), "Stack was empty while pop !\n");
    EXPECT_FALSE(popped);
    EXPECT_EQ(stack.current(), StateNone);
}

TEST_F(GameStates, PrintListsNamesFromTheTop) {
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

TEST_F(GameStates, TimedStateEndsWhenItsTimeIsUsed) {
    clock.set(5000);
    stack.pushState(StateNormal);
    stack.pushState(StateMotion);
    stack.setDuration(1000);
    EXPECT_EQ(stateAfter(400), StateMotion);
    EXPECT_EQ(stateAfter(599), StateMotion);
    EXPECT_EQ(stateAfter(1), StateNormal);
    // An untimed state never ends by itself.
    EXPECT_EQ(stateAfter(100000), StateNormal);
    stack.clear();
}

TEST_F(GameStates, TimeSpentUnderAnotherStateIsNotCounted) {
    stack.pushState(StateNormal);
    stack.setDuration(1000);
    EXPECT_EQ(stateAfter(300), StateNormal); // 700 left
    stack.pushState(StateEscMenu);
    EXPECT_EQ(stateAfter(5000), StateEscMenu); // the menu has no limit
    EXPECT_TRUE(stack.pop());
    EXPECT_EQ(stateAfter(699), StateNormal);
    EXPECT_EQ(stateAfter(1), StateNone);
}

TEST_F(GameStates, TimerStaysRightAcrossTheClockWrap) {
    clock.set(0xFFFFFF00u);
    stack.pushState(StateLaunch);
    stack.setDuration(1000);
    EXPECT_EQ(stateAfter(0x200), StateLaunch); // wraps past 2^32: 512 ms elapsed
    EXPECT_EQ(stateAfter(488), StateNone);
}

TEST_F(GameStates, EmptyStackOperationsAreHarmless) {
    stack.setDuration(100);
    stack.updateTimer();
    stack.clear();
    EXPECT_TRUE(stack.empty());
}
