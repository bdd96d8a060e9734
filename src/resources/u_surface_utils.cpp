#include "resources/u_surface_utils.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The format every surface of the game shares: the video surface's, or plain 32-bit ARGB before a mode is
// set.
struct PixelMasks {
    int bitsPerPixel;
    Uint32 red, green, blue, alpha;
};

PixelMasks currentMasks() {
    const SDL_Surface* video = SDL_GetVideoSurface();
    if (video == nullptr) {
        return {32, 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u};
    }
    const SDL_PixelFormat* format = video->format;
    return {format->BitsPerPixel, format->Rmask, format->Gmask, format->Bmask, format->Amask};
}

SDL_Surface* newRawSurface(int width, int height) {
    const PixelMasks masks = currentMasks();
    return SDL_CreateRGBSurface(0, width, height, masks.bitsPerPixel, masks.red, masks.green, masks.blue,
                                masks.alpha);
}

SDL_Surface* toDisplayFormat(SDL_Surface* raw, bool withAlpha) {
    if (raw == nullptr || SDL_GetVideoSurface() == nullptr) {
        return raw;
    }
    SDL_Surface* converted = withAlpha ? SDL_DisplayFormatAlpha(raw) : SDL_DisplayFormat(raw);
    if (converted == nullptr) {
        return raw;
    }
    SDL_FreeSurface(raw);
    return converted;
}

Uint32 readPixel(const SDL_Surface* surface, int x, int y) {
    Uint32 value;
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    std::memcpy(&value, row + x * surface->format->BytesPerPixel, sizeof value);
    return value;
}

void writePixel(SDL_Surface* surface, int x, int y, Uint32 value) {
    auto* row = static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch;
    std::memcpy(row + x * surface->format->BytesPerPixel, &value, sizeof value);
}

struct Window {
    int x, y, w, h;
};

Window windowOf(const SDL_Rect* rect, const SDL_Surface* surface) {
    SDL_Rect clip;
    if (rect != nullptr) {
        clip = *rect;
    } else {
        SDL_GetClipRect(const_cast<SDL_Surface*>(surface), &clip);
    }
    return {clip.x, clip.y, clip.w, clip.h};
}

SDL_Rect toRect(const Window& window) {
    return {static_cast<Sint16>(window.x), static_cast<Sint16>(window.y), static_cast<Uint16>(window.w),
            static_cast<Uint16>(window.h)};
}

} // namespace

SurfacePtr createSurface(int width, int height, bool withAlpha) {
    SDL_Surface* raw = newRawSurface(std::max(width, 0), std::max(height, 0));
    if (raw == nullptr) {
        raw = newRawSurface(0, 0);
    }
    SurfacePtr surface(toDisplayFormat(raw, withAlpha));
    // The conversion gives an alpha channel but not always the flag that makes blits honour it.
    if (withAlpha && surface) {
        SDL_SetAlpha(surface.get(), SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    }
    return surface;
}

void inflateRect(SDL_Rect& rect, int amount) {
    rect.x = static_cast<Sint16>(rect.x - amount);
    rect.y = static_cast<Sint16>(rect.y - amount);
    rect.w = static_cast<Uint16>(std::max(0, rect.w + 2 * amount));
    rect.h = static_cast<Uint16>(std::max(0, rect.h + 2 * amount));
}

// All arithmetic is in 32-bit signed integers so that far-off positions never wrap the 16-bit fields.
TBlitRects clipBlitRects(const SDL_Surface* source, const SDL_Surface* destination,
                         const SDL_Rect* sourceRect, const SDL_Rect* destinationRect) {
    Window s = windowOf(sourceRect, source);
    Window d = windowOf(destinationRect, destination);
    s.x = std::clamp(s.x, 0, source->w);
    s.y = std::clamp(s.y, 0, source->h);
    d.x = std::min(d.x, destination->w);
    d.y = std::min(d.y, destination->h);
    if (d.x < 0) {
        s.x -= d.x;
        s.w += d.x;
        d.x = 0;
    }
    if (d.y < 0) {
        s.y -= d.y;
        s.h += d.y;
        d.y = 0;
    }
    s.w = std::max(0, std::min({s.w, source->w - s.x, destination->w - d.x}));
    s.h = std::max(0, std::min({s.h, source->h - s.y, destination->h - d.y}));
    return {toRect(s), toRect({d.x, d.y, 0, 0})};
}

void blendSurface(SDL_Surface* source, const SDL_Rect* sourceRect, SDL_Surface* destination,
                  const SDL_Rect* destinationRect) {
    if (source == nullptr || destination == nullptr || source->format->BytesPerPixel != 4 ||
        destination->format->BytesPerPixel != 4) {
        return;
    }
    const SurfaceLock sourceLock(source);
    const SurfaceLock destinationLock(destination);
    const TBlitRects rects = clipBlitRects(source, destination, sourceRect, destinationRect);
    const SDL_Rect& s = rects.source;
    const SDL_Rect& d = rects.destination;
    for (int j = 0; j < s.h; ++j) {
        for (int i = 0; i < s.w; ++i) {
            Uint8 sr, sg, sb, sa, dr, dg, db, da;
            SDL_GetRGBA(readPixel(source, s.x + i, s.y + j), source->format, &sr, &sg, &sb, &sa);
            SDL_GetRGBA(readPixel(destination, d.x + i, d.y + j), destination->format, &dr, &dg, &db, &da);
            const double as = sa / 255.0;
            const double ad = da / 255.0;
            const double k = (sa == 0 && da == 0) ? 0.0 : ad * (1.0 - as) / (as + ad);
            const auto mix = [&](Uint8 sc, Uint8 dc) {
                return static_cast<Uint8>(std::min(255, static_cast<int>(as * sc + k * dc)));
            };
            const int alpha = sa + da - (sa * da) / 255;
            writePixel(destination, d.x + i, d.y + j,
                       SDL_MapRGBA(destination->format, mix(sr, dr), mix(sg, dg), mix(sb, db),
                                   static_cast<Uint8>(alpha)));
        }
    }
}
