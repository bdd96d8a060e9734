// For the layer's own sources only: SDL2's headers beside the 1.2 declarations, and the SDL2 surface behind
// each 1.2 surface. In the layer's code SDL2's names are always written with a leading ::, since 1.2's of
// the same name live in namespace sdl12.
#pragma once

#include "platform/u_sdl12_surface.hpp"

#include <SDL2/SDL.h>

namespace sdl12 {

// A 1.2 surface and what it is made of; the surface comes first, so a pointer to it is a pointer to the
// record.
struct TSurfaceRecord {
    SDL_Surface surface;
    SDL_PixelFormat format;
    SDL_Palette palette;
    ::SDL_Surface* native;
};

::SDL_Surface* nativeOf(SDL_Surface* surface);

// Wraps a new SDL2 surface (nullptr gives nullptr) with the given 1.2 flags; the 1.2 surface owns it.
SDL_Surface* adopt(::SDL_Surface* native, Uint32 flags);
// The same 1.2 surface takes another SDL2 surface in place of its own, which is freed.
void readopt(SDL_Surface* surface, ::SDL_Surface* native, Uint32 flags);
// 1.2 flags for a surface SDL2 made: alpha blending when it has an alpha channel, its colour key if any.
Uint32 flagsOf(const ::SDL_Surface* native);

// Frees a surface even when it is the video surface, which SDL_FreeSurface leaves alone.
void destroySurface(SDL_Surface* surface);

} // namespace sdl12
