// When a held key repeats, by 1.2's rule: once the delay has passed, one repeat each time more than the
// interval has gone by since the last one, looked at whenever events are pumped.
#pragma once

#include "platform/u_sdl12_event_types.hpp"

#include <optional>

namespace sdl12 {

class TKeyRepeat {
public:
    // A delay of 0 turns repeats off. A change stops the repeat under way, as in 1.2.
    void configure(int delay, int interval);
    int delay() const { return delay_; }
    int interval() const { return interval_; }

    // A key went down at time now (ms); the last key pressed is the one that repeats.
    void pressed(const SDL_Event& keyDown, Uint32 now);
    void released(SDLKey key);
    void stop() { held_.reset(); }

    // The repeat to queue at time now, if one is due.
    std::optional<SDL_Event> due(Uint32 now);

private:
    int delay_ = 0;
    int interval_ = 0;
    std::optional<SDL_Event> held_;
    Uint32 since_ = 0;
    bool waitingForDelay_ = false;
};

} // namespace sdl12
