#include "platform/u_key_repeat.hpp"

namespace sdl12 {

void TKeyRepeat::configure(int delay, int interval) {
    delay_ = delay;
    interval_ = interval;
    held_.reset();
}

void TKeyRepeat::pressed(const SDL_Event& keyDown, Uint32 now) {
    if (delay_ == 0 || !repeatable(keyDown.key.keysym.sym)) {
        return;
    }
    held_ = keyDown;
    since_ = now;
    waitingForDelay_ = true;
}

void TKeyRepeat::released(SDLKey key) {
    if (held_ && held_->key.keysym.sym == key) {
        held_.reset();
    }
}

std::optional<SDL_Event> TKeyRepeat::due(Uint32 now) {
    if (!held_) {
        return std::nullopt;
    }
    const Uint32 elapsed = now - since_;
    if (waitingForDelay_) {
        if (elapsed > static_cast<Uint32>(delay_)) {
            since_ = now;
            waitingForDelay_ = false;
        }
        return std::nullopt;
    }
    if (elapsed > static_cast<Uint32>(interval_)) {
        since_ = now;
        return held_;
    }
    return std::nullopt;
}

} // namespace sdl12
