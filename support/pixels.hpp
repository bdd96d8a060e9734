// Reading and writing single pixels of 32-bit test surfaces, and where a rectangle stands on them.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <utility>

struct TRgba {
    Uint8 r, g, b, a;
    bool operator==(const TRgba&) const = default;
};

// A rectangle's top-left corner, to check a place in one comparison.
inline std::pair<int, int> topLeft(const SDL_Rect& r) {
    return {r.x, r.y};
}

inline Uint32 rawPixel(const SDL_Surface* surface, int x, int y) {
    return static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
}

inline TRgba pixelAt(const SDL_Surface* surface, int x, int y) {
    TRgba c{};
    SDL_GetRGBA(rawPixel(surface, x, y), surface->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

inline void setPixel(SDL_Surface* surface, int x, int y, TRgba c) {
    static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x] =
        SDL_MapRGBA(surface->format, c.r, c.g, c.b, c.a);
}

inline void fillSurface(SDL_Surface* surface, TRgba c) {
    SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, c.r, c.g, c.b, c.a));
}

inline void fillArea(SDL_Surface* surface, int x, int y, int width, int height, TRgba colour) {
    SDL_Rect area = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(width),
                     static_cast<Uint16>(height)};
    SDL_FillRect(surface, &area, SDL_MapRGBA(surface->format, colour.r, colour.g, colour.b, colour.a));
}
