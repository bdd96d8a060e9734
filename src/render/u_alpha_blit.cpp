#include "render/u_alpha_blit.hpp"

void blendWhenBlitted(SDL_Surface* surface) {
    if (surface != nullptr && surface->format->Amask != 0) {
        SDL_SetAlpha(surface, SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    }
}
