// The stack of in-game states that decides what the game screen and the physics do at each moment of a turn.
#pragma once

#include "app/u_stack.hpp"
#include "resources/u_clock.hpp"

#include <cstdint>
#include <string>

enum class TGameStateType : std::uint8_t {
    StateNormal = 0,
    StateEscMenu = 1,
    StateLaunch = 2,
    StateMotion = 3,
    StateAfterMotion = 4,
    StateNone = 5, // what an empty stack answers: no state at all
};

struct TGameState {
    TGameStateType stateType = TGameStateType::StateNormal;
    std::uint32_t started = 0;  // clock time at which the current timing period began
    std::int32_t remaining = 0; // milliseconds left; 0 means no time limit
};
using PGameState = TGameState*;

class TGameStateStack : public TStack {
public:
    explicit TGameStateStack(const TClock& clock = TSdlClock::instance());
    ~TGameStateStack() override = default;

    void pushState(TGameStateType type);
    // Releases the top record; a timed state that comes back on top restarts its count now.
    bool pop() override;
    // StateNone when the stack is empty.
    TGameStateType current() const;
    void setDuration(std::int32_t milliseconds);
    // Once per frame: pops the top state when its time is used up.
    void updateTimer();
    void clear();
    void print() const override;

    static std::string stateName(TGameStateType type);

private:
    PGameState topState() const;

    const TClock& clock_;
};
