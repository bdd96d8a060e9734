// Animation sheets: equal frames stacked top to bottom, first on top, cut into separate pictures.
#pragma once

#include "resources/u_sdl_handles.hpp"

#include <vector>

using TSurfaceFrames = std::vector<SurfacePtr>;

// Always `count` pictures with alpha, each fully transparent where the sheet is; 0 high when the sheet is
// missing or shorter than count rows.
TSurfaceFrames cutAnimationFrames(SDL_Surface* sheet, int count);
