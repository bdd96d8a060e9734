// Shared pieces of the benchmarks: the floor frame (fill, a 1600 x 1200 opaque background and alpha terrain,
// update).
#pragma once

#include "resources/u_sdl_handles.hpp"

// The floor's terrain: 1600 x 1200, the lower half solid ground, the upper half transparent.
SurfacePtr floorTerrain();

class TFloorScene {
public:
    TFloorScene();
    // Fill the window, blit the background and the terrain, update the window.
    void drawFloor();

    SurfacePtr background;
    SurfacePtr terrain;
    SDL_Surface* screen;
};
