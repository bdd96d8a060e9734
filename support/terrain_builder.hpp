// Small terrains drawn by hand for physics tests: transparent pictures with solid rectangles of a known
// colour.
#pragma once

#include "pixels.hpp"

#include "resources/u_sdl_handles.hpp"
#include "resources/u_surface_utils.hpp"
#include <cstddef>
#include <cstring>

inline constexpr TRgba terrainColour{200, 150, 100, 255};

inline void fillTerrain(SDL_Surface* terrain, int x, int y, int w, int h, TRgba colour = terrainColour) {
    fillArea(terrain, x, y, w, h, colour);
}

// Fully transparent, in the display's alpha format like a loaded terrain.
inline SurfacePtr makeTerrain(int w, int h) {
    SurfacePtr terrain = createSurface(w, h, true);
    fillSurface(terrain.get(), {0, 0, 0, 0});
    return terrain;
}

// Sky above groundY, solid ground of one colour from there down, across the whole width.
inline SurfacePtr flatTerrain(int w, int h, int groundY, TRgba colour = terrainColour) {
    SurfacePtr terrain = makeTerrain(w, h);
    if (h > groundY) {
        fillTerrain(terrain.get(), 0, groundY, w, h - groundY, colour);
    }
    return terrain;
}

// A byte-for-byte copy in the same format, blending flag included: explosions carve the copy, not the
// original.
inline SurfacePtr rawCopy(SDL_Surface* s) {
    SurfacePtr copy(SDL_ConvertSurface(s, s->format, SDL_SWSURFACE));
    const SurfaceLock from(s);
    const SurfaceLock to(copy.get());
    for (int y = 0; y < s->h; ++y) {
        std::memcpy(static_cast<Uint8*>(copy->pixels) + y * copy->pitch,
                    static_cast<const Uint8*>(s->pixels) + y * s->pitch,
                    static_cast<std::size_t>(s->w) * s->format->BytesPerPixel);
    }
    SDL_SetAlpha(copy.get(), s->flags & SDL_SRCALPHA, s->format->alpha);
    return copy;
}
