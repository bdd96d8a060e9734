#include "model/u_game_states.hpp"

#include "resources/u_diagnostics.hpp"

#include <memory>

TGameStateStack::TGameStateStack(const TClock& clock) : clock_(clock) {}

void TGameStateStack::pushState(TGameStateType type) {
    pushOwned(std::make_unique<TGameState>(TGameState{type, clock_.ticks(), 0}));
}

PGameState TGameStateStack::topState() const {
    return static_cast<PGameState>(top());
}

bool TGameStateStack::pop() {
    const bool popped = TStack::pop();
    if (popped) {
        if (PGameState state = topState(); state != nullptr && state->remaining != 0) {
            state->started = clock_.ticks();
        }
    }
    return popped;
}

TGameStateType TGameStateStack::current() const {
    const PGameState state = topState();
    return state == nullptr ? TGameStateType::StateNone : state->stateType;
}

void TGameStateStack::setDuration(std::int32_t milliseconds) {
    if (PGameState state = topState()) {
        state->remaining = milliseconds;
        state->started = clock_.ticks();
    }
}

void TGameStateStack::updateTimer() {
    PGameState state = topState();
    if (state == nullptr || state->remaining == 0) {
        return;
    }
    const std::uint32_t now = clock_.ticks();
    // Unsigned difference: stays right when the millisecond counter wraps.
    const std::uint32_t elapsed = now - state->started;
    if (static_cast<std::int64_t>(elapsed) >= state->remaining) {
        pop();
    } else {
        state->remaining -= static_cast<std::int32_t>(elapsed);
        state->started = now;
    }
}

void TGameStateStack::clear() {
    while (!empty()) {
        pop();
    }
}

void TGameStateStack::print() const {
    diagnosticLine("TStack.print --->");
    for (std::size_t depth = 0; depth < size(); ++depth) {
        diagnosticLine(stateName(static_cast<PGameState>(itemFromTop(depth))->stateType));
    }
    diagnosticLine("<---");
}

std::string TGameStateStack::stateName(TGameStateType type) {
    switch (type) {
    case TGameStateType::StateNormal:
        return "StateNormal";
    case TGameStateType::StateEscMenu:
        return "StateEscMenu";
    case TGameStateType::StateLaunch:
        return "StateLaunch";
    case TGameStateType::StateMotion:
        return "StateMotion";
    case TGameStateType::StateAfterMotion:
        return "StateAfterMotion";
    case TGameStateType::StateNone:
        break;
    }
    return "StateNone";
}
