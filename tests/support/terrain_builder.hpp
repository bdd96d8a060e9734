// Small terrains drawn by hand for physics tests: transparent pictures with solid rectangles of a known
// colour.
#pragma once

#include "pixels.hpp"
#include "resources/u_sdl_handles.hpp"
#include "resources/u_surface_utils.hpp"

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
