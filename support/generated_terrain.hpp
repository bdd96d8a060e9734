// A terrain picture made in code: rolling hills of earth under open sky, for matches without map files.
#pragma once

#include "resources/u_sdl_handles.hpp"

// Ground over roughly the lower half, its outline drawn from the random generator. Needs the video mode
// (the picture has the display's alpha format).
SurfacePtr generateHillsTerrain(int width, int height);
