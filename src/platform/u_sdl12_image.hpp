// SDL_image 1.2's calls the game makes, over SDL2_image.
#pragma once

#include "platform/u_sdl12_surface.hpp"

namespace sdl12 {

SDL_Surface* IMG_Load(const char* file);
SDL_Surface* IMG_LoadPNG_RW(SDL_RWops* source);
SDL_Surface* IMG_LoadTyped_RW(SDL_RWops* source, int freeSource, const char* type);

} // namespace sdl12
