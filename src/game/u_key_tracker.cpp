#include "game/u_key_tracker.hpp"

namespace {

bool trackable(SDLKey key) {
    return key > SDLK_UNKNOWN && key < SDLK_LAST;
}

} // namespace

bool TKeyTracker::observe(const SDL_Event& event) {
    if (event.type == SDL_ACTIVEEVENT && event.active.gain == 0 &&
        (event.active.state & SDL_APPINPUTFOCUS) != 0) {
        releaseAll();
        return false;
    }
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) {
        return false;
    }
    const SDLKey key = event.key.keysym.sym;
    if (!trackable(key)) {
        return event.type == SDL_KEYDOWN;
    }
    const bool wasHeld = held_.test(key);
    held_.set(key, event.type == SDL_KEYDOWN);
    return event.type == SDL_KEYDOWN && !wasHeld;
}

bool TKeyTracker::held(SDLKey key) const {
    return trackable(key) && held_.test(key);
}
