// SDL 1.2's blit of one surface onto another, with 1.2's clipping and blending rules.
#pragma once

#include "platform/u_sdl12_surface.hpp"

namespace sdl12 {

// Clips, leaves the drawn rectangle in *destinationRect, and blends as 1.2 does: a source with SDL_SRCALPHA
// blends by its alpha channel, or else by its surface alpha; one without is copied, alpha included; a blend
// leaves the destination's alpha as it was.
int SDL_UpperBlit(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* destination,
                  SDL_Rect* destinationRect);

} // namespace sdl12
