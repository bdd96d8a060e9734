// SDL_gfx's rotation and zoom for 1.2 surfaces, over SDL2_gfx.
#pragma once

#include "platform/u_sdl12_surface.hpp"

namespace sdl12 {

SDL_Surface* rotozoomSurface(SDL_Surface* source, double angle, double zoom, int smooth);
SDL_Surface* zoomSurface(SDL_Surface* source, double zoomX, double zoomY, int smooth);

} // namespace sdl12
