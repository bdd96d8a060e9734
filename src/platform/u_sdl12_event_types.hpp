// SDL 1.2's event types and layouts, with 1.2's numbering: what the event queue and the key repeat share.
#pragma once

#include "platform/u_sdl12_keys.hpp"

namespace sdl12 {

enum SDL_EventType : Uint8 {
    SDL_NOEVENT = 0,
    SDL_ACTIVEEVENT,
    SDL_KEYDOWN,
    SDL_KEYUP,
    SDL_MOUSEMOTION,
    SDL_MOUSEBUTTONDOWN,
    SDL_MOUSEBUTTONUP,
    SDL_QUIT = 12,
    SDL_VIDEORESIZE = 16,
    SDL_VIDEOEXPOSE = 17,
    SDL_USEREVENT = 24,
    SDL_NUMEVENTS = 32
};

// What an SDL_ACTIVEEVENT is about.
inline constexpr Uint8 appMouseFocus = 0x01;
inline constexpr Uint8 appInputFocus = 0x02;
inline constexpr Uint8 appActive = 0x04;

inline constexpr Uint8 buttonReleased = 0;
inline constexpr Uint8 buttonPressed = 1;

// 1.2 reports the wheel as buttons 4 and 5, so the side buttons come after them.
inline constexpr Uint8 buttonLeft = 1;
inline constexpr Uint8 buttonMiddle = 2;
inline constexpr Uint8 buttonRight = 3;
inline constexpr Uint8 buttonWheelUp = 4;
inline constexpr Uint8 buttonWheelDown = 5;
inline constexpr Uint8 buttonX1 = 6;
inline constexpr Uint8 buttonX2 = 7;

struct SDL_ActiveEvent {
    Uint8 type;
    Uint8 gain;
    Uint8 state;
};

struct SDL_KeyboardEvent {
    Uint8 type;
    Uint8 which;
    Uint8 state;
    SDL_keysym keysym;
};

struct SDL_MouseMotionEvent {
    Uint8 type;
    Uint8 which;
    Uint8 state;
    Uint16 x, y;
    Sint16 xrel, yrel;
};

struct SDL_MouseButtonEvent {
    Uint8 type;
    Uint8 which;
    Uint8 button;
    Uint8 state;
    Uint16 x, y;
};

struct SDL_ResizeEvent {
    Uint8 type;
    int w, h;
};

struct SDL_ExposeEvent {
    Uint8 type;
};

struct SDL_QuitEvent {
    Uint8 type;
};

struct SDL_UserEvent {
    Uint8 type;
    int code;
    void* data1;
    void* data2;
};

union SDL_Event {
    Uint8 type;
    SDL_ActiveEvent active;
    SDL_KeyboardEvent key;
    SDL_MouseMotionEvent motion;
    SDL_MouseButtonEvent button;
    SDL_ResizeEvent resize;
    SDL_ExposeEvent expose;
    SDL_QuitEvent quit;
    SDL_UserEvent user;
};

} // namespace sdl12
