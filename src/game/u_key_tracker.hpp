// Which keys are held, so that a key repeat can be told from a fresh press.
#pragma once

#include <SDL.h>

#include <bitset>

class TKeyTracker {
public:
    // Records a key event; true only for a press of a key that was not already held.
    bool observe(const SDL_Event& event);
    bool held(SDLKey key) const;
    // Lost input focus: releases may never come, so nothing counts as held any more.
    void releaseAll() { held_.reset(); }

private:
    std::bitset<SDLK_LAST> held_;
};
