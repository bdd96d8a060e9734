// SDL_gfx's rotation and zoom over SDL2_gfx (see SDL.h).
#pragma once

#include <SDL.h>

#include "platform/u_sdl12_gfx.hpp"

#define SMOOTHING_OFF 0
#define SMOOTHING_ON 1
