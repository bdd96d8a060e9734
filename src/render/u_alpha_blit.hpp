// Surfaces with an alpha channel that must be composited, not copied, when blitted.
#pragma once

#include <SDL.h>

// Turns on per-pixel alpha blending for blits of this surface (a surface made in the display format with
// alpha may come without it).
void blendWhenBlitted(SDL_Surface* surface);
