// Surfaces in the display format, rectangle growth, and the alpha-accumulating blend.
#pragma once

#include "resources/u_sdl_handles.hpp"

// A new surface in the pixel format of the video surface; never null (a 0 x 0 stand-in when creation fails).
SurfacePtr createSurface(int width, int height, bool withAlpha);

// Moves x and y by -amount and grows w and h by 2 x amount, never below 0.
void inflateRect(SDL_Rect& rect, int amount);

// The part of a source that a blend at a destination position really touches.
struct TBlitRects {
    SDL_Rect source;      // window inside the source picture
    SDL_Rect destination; // only x and y mean something
};
TBlitRects clipBlitRects(const SDL_Surface* source, const SDL_Surface* destination,
                         const SDL_Rect* sourceRect, const SDL_Rect* destinationRect);

// Composites the source onto the destination; unlike a blit, the destination's alpha grows.
void blendSurface(SDL_Surface* source, const SDL_Rect* sourceRect, SDL_Surface* destination,
                  const SDL_Rect* destinationRect);
