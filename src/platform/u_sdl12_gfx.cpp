#include "platform/u_sdl12_gfx.hpp"

#include "platform/u_sdl2_native.hpp"

#include <SDL2/SDL2_rotozoom.h>

namespace sdl12 {

// The results blend as SDL_gfx's do under 1.2. A turned picture is also keyed with the source's colour key
// field, set or not (0 when not), so that its pure black pixels are skipped by blits.
SDL_Surface* rotozoomSurface(SDL_Surface* source, double angle, double zoom, int smooth) {
    SDL_Surface* turned = adopt(::rotozoomSurface(nativeOf(source), angle, zoom, smooth), surfaceSourceAlpha);
    if (turned != nullptr) {
        SDL_SetColorKey(turned, surfaceColourKey, source->format->colorkey);
    }
    return turned;
}

SDL_Surface* zoomSurface(SDL_Surface* source, double zoomX, double zoomY, int smooth) {
    return adopt(::zoomSurface(nativeOf(source), zoomX, zoomY, smooth), surfaceSourceAlpha);
}

} // namespace sdl12
