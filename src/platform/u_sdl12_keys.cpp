#include "platform/u_sdl12_keys.hpp"

#include <SDL2/SDL.h>

#include <utility>

namespace sdl12 {

namespace {

// SDL2's key codes of the keys that are not characters, against their 1.2 symbols.
constexpr std::pair<::SDL_Keycode, SDLKey> namedKeys[] = {
    {::SDLK_KP_0, SDLK_KP0},
    {::SDLK_KP_1, SDLK_KP1},
    {::SDLK_KP_2, SDLK_KP2},
    {::SDLK_KP_3, SDLK_KP3},
    {::SDLK_KP_4, SDLK_KP4},
    {::SDLK_KP_5, SDLK_KP5},
    {::SDLK_KP_6, SDLK_KP6},
    {::SDLK_KP_7, SDLK_KP7},
    {::SDLK_KP_8, SDLK_KP8},
    {::SDLK_KP_9, SDLK_KP9},
    {::SDLK_KP_PERIOD, SDLK_KP_PERIOD},
    {::SDLK_KP_DIVIDE, SDLK_KP_DIVIDE},
    {::SDLK_KP_MULTIPLY, SDLK_KP_MULTIPLY},
    {::SDLK_KP_MINUS, SDLK_KP_MINUS},
    {::SDLK_KP_PLUS, SDLK_KP_PLUS},
    {::SDLK_KP_ENTER, SDLK_KP_ENTER},
    {::SDLK_KP_EQUALS, SDLK_KP_EQUALS},
    {::SDLK_UP, SDLK_UP},
    {::SDLK_DOWN, SDLK_DOWN},
    {::SDLK_RIGHT, SDLK_RIGHT},
    {::SDLK_LEFT, SDLK_LEFT},
    {::SDLK_INSERT, SDLK_INSERT},
    {::SDLK_HOME, SDLK_HOME},
    {::SDLK_END, SDLK_END},
    {::SDLK_PAGEUP, SDLK_PAGEUP},
    {::SDLK_PAGEDOWN, SDLK_PAGEDOWN},
    {::SDLK_F1, SDLK_F1},
    {::SDLK_F2, SDLK_F2},
    {::SDLK_F3, SDLK_F3},
    {::SDLK_F4, SDLK_F4},
    {::SDLK_F5, SDLK_F5},
    {::SDLK_F6, SDLK_F6},
    {::SDLK_F7, SDLK_F7},
    {::SDLK_F8, SDLK_F8},
    {::SDLK_F9, SDLK_F9},
    {::SDLK_F10, SDLK_F10},
    {::SDLK_F11, SDLK_F11},
    {::SDLK_F12, SDLK_F12},
    {::SDLK_F13, SDLK_F13},
    {::SDLK_F14, SDLK_F14},
    {::SDLK_F15, SDLK_F15},
    {::SDLK_NUMLOCKCLEAR, SDLK_NUMLOCK},
    {::SDLK_CAPSLOCK, SDLK_CAPSLOCK},
    {::SDLK_SCROLLLOCK, SDLK_SCROLLOCK},
    {::SDLK_RSHIFT, SDLK_RSHIFT},
    {::SDLK_LSHIFT, SDLK_LSHIFT},
    {::SDLK_RCTRL, SDLK_RCTRL},
    {::SDLK_LCTRL, SDLK_LCTRL},
    {::SDLK_RALT, SDLK_RALT},
    {::SDLK_LALT, SDLK_LALT},
    {::SDLK_RGUI, SDLK_RSUPER},
    {::SDLK_LGUI, SDLK_LSUPER},
    {::SDLK_MODE, SDLK_MODE},
    {::SDLK_APPLICATION, SDLK_COMPOSE},
    {::SDLK_HELP, SDLK_HELP},
    {::SDLK_PRINTSCREEN, SDLK_PRINT},
    {::SDLK_SYSREQ, SDLK_SYSREQ},
    {::SDLK_PAUSE, SDLK_PAUSE},
    {::SDLK_MENU, SDLK_MENU},
    {::SDLK_POWER, SDLK_POWER},
    {::SDLK_UNDO, SDLK_UNDO},
    {::SDLK_CLEAR, SDLK_CLEAR},
    {::SDLK_KP_CLEAR, SDLK_CLEAR},
    {::SDLK_CURRENCYUNIT, SDLK_EURO},
};

} // namespace

SDLKey keyFromSdl2(Sint32 keycode) {
    for (const auto& [sdl2, key] : namedKeys) {
        if (sdl2 == keycode) {
            return key;
        }
    }
    // Characters have the same codes in both, and 1.2 names the Latin-1 ones.
    if (keycode > 0 && keycode < 256) {
        return static_cast<SDLKey>(keycode);
    }
    return SDLK_UNKNOWN;
}

bool repeatable(SDLKey key) {
    return key != SDLK_UNKNOWN && (key < SDLK_NUMLOCK || key > SDLK_COMPOSE);
}

SDLMod SDL_GetModState() {
    return static_cast<SDLMod>(::SDL_GetModState() & 0x7FFF);
}

void SDL_SetModState(SDLMod state) {
    ::SDL_SetModState(static_cast<::SDL_Keymod>(state));
}

} // namespace sdl12
