#include "resources/u_key_modifiers.hpp"

#include <SDL.h>

bool controlHeld() {
    return (SDL_GetModState() & KMOD_CTRL) != 0;
}
