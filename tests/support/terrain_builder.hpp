// Small terrains drawn by hand for physics tests: transparent pictures with solid rectangles of a known
// colour.
#pragma once

#include "resources/u_sdl_handles.hpp"
#include "resources/u_surface_utils.hpp"

#include <cstring>

struct TerrainColour {
    Uint8 r = 200, g = 150, b = 100, a = 255;
};

inline void fillTerrain(SDL_Surface* terrain, int x, int y, int w, int h, TerrainColour colour = {}) {
    SDL_Rect area = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                     static_cast<Uint16>(h)};
    SDL_FillRect(terrain, &area, SDL_MapRGBA(terrain->format, colour.r, colour.g, colour.b, colour.a));
}

// Fully transparent, in the display's alpha format like a loaded terrain.
inline SurfacePtr makeTerrain(int w, int h) {
    SurfacePtr terrain = createSurface(w, h, true);
    fillTerrain(terrain.get(), 0, 0, w, h, {0, 0, 0, 0});
    return terrain;
}

inline Uint32 rawPixel(const SDL_Surface* surface, int x, int y) {
    Uint32 value;
    std::memcpy(&value, static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * 4,
                sizeof value);
    return value;
}

inline TerrainColour colourAt(const SDL_Surface* surface, int x, int y) {
    TerrainColour colour;
    SDL_GetRGBA(rawPixel(surface, x, y), surface->format, &colour.r, &colour.g, &colour.b, &colour.a);
    return colour;
}
