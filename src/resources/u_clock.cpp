#include "resources/u_clock.hpp"

#include <SDL.h>

std::uint32_t TSdlClock::ticks() const {
    return SDL_GetTicks();
}

const TSdlClock& TSdlClock::instance() {
    static const TSdlClock clock;
    return clock;
}
