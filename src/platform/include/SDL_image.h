// SDL_image 1.2's calls over SDL2_image (see SDL.h).
#pragma once

#include <SDL.h>

#include "platform/u_sdl12_image.hpp"

#define IMG_GetError SDL_GetError
