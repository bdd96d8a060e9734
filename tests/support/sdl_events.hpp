// The input events a player makes, built the way SDL delivers them.
#pragma once

#include <SDL.h>

#include <cstring>

// All zeros but the type, as a fresh event from SDL.
inline SDL_Event eventOfType(Uint8 type) {
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    return event;
}

inline SDL_Event keyDown(SDLKey key) {
    SDL_Event event = eventOfType(SDL_KEYDOWN);
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    return event;
}

inline SDL_Event keyUp(SDLKey key) {
    SDL_Event event = keyDown(key);
    event.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    return event;
}

inline SDL_Event mouseDown(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    SDL_Event event = eventOfType(SDL_MOUSEBUTTONDOWN);
    event.button.button = button;
    event.button.state = SDL_PRESSED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return event;
}

inline SDL_Event mouseMotion(int x, int y) {
    SDL_Event event = eventOfType(SDL_MOUSEMOTION);
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

inline SDL_Event quitRequest() {
    return eventOfType(SDL_QUIT);
}

// Holds a Control key down while it lives, for the modifier state the game reads.
class ScopedControlKey {
public:
    ScopedControlKey() : saved_(SDL_GetModState()) {
        SDL_SetModState(static_cast<SDLMod>(saved_ | KMOD_LCTRL));
    }
    ~ScopedControlKey() { SDL_SetModState(saved_); }
    ScopedControlKey(const ScopedControlKey&) = delete;
    ScopedControlKey& operator=(const ScopedControlKey&) = delete;

private:
    SDLMod saved_;
};
