#include "platform/u_sdl12_surface.hpp"

#include "platform/u_sdl2_native.hpp"

#include <algorithm>
#include <cstring>

namespace sdl12 {

namespace {

SDL_Surface*& videoSurface() {
    static SDL_Surface* screen = nullptr;
    return screen;
}

TSurfaceRecord* recordOf(SDL_Surface* surface) {
    return reinterpret_cast<TSurfaceRecord*>(surface);
}

SDL_Rect wholeOf(const SDL_Surface* surface) {
    return {0, 0, static_cast<Uint16>(surface->w), static_cast<Uint16>(surface->h)};
}

// 1.2's intersection: the result keeps the larger top-left corner even when it is empty.
bool intersect(const SDL_Rect& a, const SDL_Rect& b, SDL_Rect& result) {
    const int left = std::max<int>(a.x, b.x);
    const int right = std::min(a.x + a.w, b.x + b.w);
    const int top = std::max<int>(a.y, b.y);
    const int bottom = std::min(a.y + a.h, b.y + b.h);
    result.x = static_cast<Sint16>(left);
    result.y = static_cast<Sint16>(top);
    result.w = static_cast<Uint16>(std::max(0, right - left));
    result.h = static_cast<Uint16>(std::max(0, bottom - top));
    return result.w != 0 && result.h != 0;
}

void describeFormat(const ::SDL_PixelFormat& from, TSurfaceRecord& record) {
    SDL_PixelFormat& format = record.format;
    format = SDL_PixelFormat{};
    format.BitsPerPixel = from.BitsPerPixel;
    format.BytesPerPixel = from.BytesPerPixel;
    format.Rloss = from.Rloss;
    format.Gloss = from.Gloss;
    format.Bloss = from.Bloss;
    format.Aloss = from.Aloss;
    format.Rshift = from.Rshift;
    format.Gshift = from.Gshift;
    format.Bshift = from.Bshift;
    format.Ashift = from.Ashift;
    format.Rmask = from.Rmask;
    format.Gmask = from.Gmask;
    format.Bmask = from.Bmask;
    format.Amask = from.Amask;
    format.alpha = SDL_ALPHA_OPAQUE;
    if (from.palette != nullptr) {
        // The two palettes' colours have the same layout: r, g, b and one more byte.
        record.palette.ncolors = from.palette->ncolors;
        record.palette.colors = reinterpret_cast<SDL_Color*>(from.palette->colors);
        format.palette = &record.palette;
    }
}

// SDL2 blends, modulates and keys as the 1.2 flags say. Per-surface alpha only counts without an alpha
// channel, as in 1.2.
void applyBlending(SDL_Surface* surface) {
    ::SDL_Surface* native = nativeOf(surface);
    const bool blend = (surface->flags & surfaceSourceAlpha) != 0;
    ::SDL_SetSurfaceBlendMode(native, blend ? ::SDL_BLENDMODE_BLEND : ::SDL_BLENDMODE_NONE);
    ::SDL_SetSurfaceAlphaMod(native, surface->format->Amask == 0 ? surface->format->alpha : SDL_ALPHA_OPAQUE);
    const bool keyed = (surface->flags & surfaceColourKey) != 0;
    ::SDL_SetColorKey(native, keyed ? SDL_TRUE : SDL_FALSE, surface->format->colorkey);
    ::SDL_SetSurfaceRLE(native, 0);
}

Uint32 pixelFormatOf(const SDL_PixelFormat* format) {
    return ::SDL_MasksToPixelFormatEnum(format->BitsPerPixel, format->Rmask, format->Gmask, format->Bmask,
                                        format->Amask);
}

// A channel of a pixel widened to eight bits by repeating its bits, as SDL does; a missing alpha channel
// reads as opaque.
Uint8 channelOf(Uint32 pixel, Uint32 mask, Uint8 shift, Uint8 loss, Uint8 absent) {
    if (mask == 0) {
        return absent;
    }
    const int bits = 8 - loss;
    const Uint32 value = (pixel & mask) >> shift;
    Uint32 wide = 0;
    for (int filled = 0; filled < 8; filled += bits) {
        const int at = 8 - filled - bits;
        wide |= at >= 0 ? value << at : value >> -at;
    }
    return static_cast<Uint8>(wide);
}

Uint8 nearestIndex(const SDL_Palette& palette, Uint8 r, Uint8 g, Uint8 b) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < palette.ncolors; ++i) {
        const SDL_Color& c = palette.colors[i];
        const int distance = (c.r - r) * (c.r - r) + (c.g - g) * (c.g - g) + (c.b - b) * (c.b - b);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<Uint8>(best);
}

Uint32 readPixel(const SDL_Surface* surface, int x, int y) {
    const Uint8* at =
        static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
    Uint32 value = 0;
    switch (surface->format->BytesPerPixel) {
    case 1:
        return *at;
    case 2:
        return *reinterpret_cast<const Uint16*>(at);
    case 3:
        return SDL_BYTEORDER == SDL_LIL_ENDIAN ? Uint32{at[0]} | Uint32{at[1]} << 8 | Uint32{at[2]} << 16
                                               : Uint32{at[2]} | Uint32{at[1]} << 8 | Uint32{at[0]} << 16;
    default:
        std::memcpy(&value, at, sizeof value);
        return value;
    }
}

// Pixels equal to the colour key (compared without alpha) become fully transparent in the converted copy.
void keyToAlpha(SDL_Surface* source, SDL_Surface* converted) {
    const SDL_PixelFormat& format = *source->format;
    const Uint32 colours =
        format.palette != nullptr ? 0xFFFFFFFFu : format.Rmask | format.Gmask | format.Bmask;
    const Uint32 key = format.colorkey & colours;
    const Uint32 alpha = converted->format->Amask;
    for (int y = 0; y < source->h; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(converted->pixels) + y * converted->pitch);
        for (int x = 0; x < source->w; ++x) {
            if ((readPixel(source, x, y) & colours) == key) {
                row[x] &= ~alpha;
            }
        }
    }
}

// The source's pixels in the target format, copied without blending or keying.
SDL_Surface* plainCopy(SDL_Surface* source, Uint32 pixelFormat) {
    ::SDL_Surface* native = nativeOf(source);
    ::SDL_BlendMode mode = ::SDL_BLENDMODE_NONE;
    ::SDL_GetSurfaceBlendMode(native, &mode);
    ::SDL_SetSurfaceBlendMode(native, ::SDL_BLENDMODE_NONE);
    ::SDL_SetColorKey(native, SDL_FALSE, 0);
    ::SDL_Surface* copy = ::SDL_ConvertSurfaceFormat(native, pixelFormat, 0);
    applyBlending(source);
    return adopt(copy, 0);
}

// The copy blends as the source did. Its format keeps the source's surface alpha even where an alpha
// channel makes blits ignore it.
void keepSurfaceAlpha(SDL_Surface* source, SDL_Surface* converted) {
    SDL_SetAlpha(converted, surfaceSourceAlpha, source->format->alpha);
    converted->format->alpha = source->format->alpha;
}

// The display format with or without alpha, as DisplayFormat and DisplayFormatAlpha convert; the flags
// follow what 1.2 programs see: surface alpha carries over, and a colour key either carries over or, with
// an alpha channel, turns into transparent pixels.
SDL_Surface* convertForDisplay(SDL_Surface* source, bool withAlpha) {
    if (source == nullptr) {
        ::SDL_SetError("No surface to convert");
        return nullptr;
    }
    const SDL_Surface* video = SDL_GetVideoSurface();
    if (video == nullptr) {
        ::SDL_SetError("No video mode has been set");
        return nullptr;
    }
    const SDL_PixelFormat& display = *video->format;
    const Uint32 target = withAlpha
                              ? ::SDL_MasksToPixelFormatEnum(32, display.Rmask, display.Gmask, display.Bmask,
                                                             ~(display.Rmask | display.Gmask | display.Bmask))
                              : pixelFormatOf(&display);
    SDL_Surface* converted = plainCopy(source, target);
    if (converted == nullptr) {
        return nullptr;
    }
    const Uint32 flags = source->flags;
    const bool keyed = (flags & surfaceColourKey) != 0;
    if (withAlpha) {
        if (keyed) {
            keyToAlpha(source, converted);
        }
        if (source->format->Amask != 0 || (flags & (surfaceSourceAlpha | surfaceColourKey)) != 0) {
            keepSurfaceAlpha(source, converted);
        }
        return converted;
    }
    if (keyed) {
        Uint8 r, g, b;
        SDL_GetRGB(source->format->colorkey, source->format, &r, &g, &b);
        SDL_SetColorKey(converted, surfaceColourKey, SDL_MapRGB(converted->format, r, g, b));
    }
    if ((flags & surfaceSourceAlpha) != 0) {
        keepSurfaceAlpha(source, converted);
    }
    return converted;
}

} // namespace

::SDL_Surface* nativeOf(SDL_Surface* surface) {
    return surface != nullptr ? recordOf(surface)->native : nullptr;
}

Uint32 flagsOf(const ::SDL_Surface* native) {
    Uint32 flags = native->format->Amask != 0 ? surfaceSourceAlpha : 0;
    if (::SDL_HasColorKey(const_cast<::SDL_Surface*>(native))) {
        flags |= surfaceColourKey;
    }
    return flags;
}

namespace {

void attach(TSurfaceRecord& record, ::SDL_Surface* native, Uint32 flags) {
    record.native = native;
    describeFormat(*native->format, record);
    SDL_Surface& surface = record.surface;
    surface.format = &record.format;
    surface.w = native->w;
    surface.h = native->h;
    surface.pitch = static_cast<Uint16>(native->pitch);
    surface.pixels = native->pixels;
    surface.clip_rect = wholeOf(&surface);
    surface.flags = flags & ~(surfaceSourceAlpha | surfaceColourKey);
    Uint32 key = 0;
    if ((flags & surfaceColourKey) != 0 && ::SDL_GetColorKey(native, &key) == 0) {
        surface.flags |= surfaceColourKey;
        record.format.colorkey = key;
    }
    if ((flags & surfaceSourceAlpha) != 0) {
        surface.flags |= surfaceSourceAlpha;
    }
    applyBlending(&surface);
}

} // namespace

SDL_Surface* adopt(::SDL_Surface* native, Uint32 flags) {
    if (native == nullptr) {
        return nullptr;
    }
    auto* record = new TSurfaceRecord{};
    attach(*record, native, flags);
    record->surface.refcount = 1;
    return &record->surface;
}

void readopt(SDL_Surface* surface, ::SDL_Surface* native, Uint32 flags) {
    TSurfaceRecord* record = recordOf(surface);
    ::SDL_FreeSurface(record->native);
    attach(*record, native, flags);
}

void destroySurface(SDL_Surface* surface) {
    if (surface == nullptr) {
        return;
    }
    TSurfaceRecord* record = recordOf(surface);
    ::SDL_FreeSurface(record->native);
    delete record;
}

SDL_Surface* SDL_CreateRGBSurface(Uint32 flags, int width, int height, int depth, Uint32 Rmask, Uint32 Gmask,
                                  Uint32 Bmask, Uint32 Amask) {
    ::SDL_Surface* native = ::SDL_CreateRGBSurface(0, width, height, depth, Rmask, Gmask, Bmask, Amask);
    return adopt(native, (flags & surfacePreallocated) | (Amask != 0 ? surfaceSourceAlpha : 0));
}

SDL_Surface* SDL_CreateRGBSurfaceFrom(void* pixels, int width, int height, int depth, int pitch, Uint32 Rmask,
                                      Uint32 Gmask, Uint32 Bmask, Uint32 Amask) {
    ::SDL_Surface* native =
        ::SDL_CreateRGBSurfaceFrom(pixels, width, height, depth, pitch, Rmask, Gmask, Bmask, Amask);
    return adopt(native, surfacePreallocated | (Amask != 0 ? surfaceSourceAlpha : 0));
}

SDL_Surface* SDL_GetVideoSurface() {
    return videoSurface();
}

void setVideoSurface(SDL_Surface* screen) {
    videoSurface() = screen;
}

void SDL_FreeSurface(SDL_Surface* surface) {
    if (surface == nullptr || surface == SDL_GetVideoSurface() || --surface->refcount > 0) {
        return;
    }
    destroySurface(surface);
}

int SDL_LockSurface(SDL_Surface* surface) {
    ::SDL_Surface* native = nativeOf(surface);
    if (::SDL_LockSurface(native) != 0) {
        return -1;
    }
    ++surface->locked;
    surface->pixels = native->pixels;
    return 0;
}

void SDL_UnlockSurface(SDL_Surface* surface) {
    if (surface == nullptr || surface->locked == 0) {
        return;
    }
    --surface->locked;
    ::SDL_UnlockSurface(nativeOf(surface));
}

SDL_Surface* SDL_ConvertSurface(SDL_Surface* source, const SDL_PixelFormat* format, Uint32 /*flags*/) {
    if (source == nullptr || format == nullptr) {
        ::SDL_SetError("No surface or format to convert to");
        return nullptr;
    }
    SDL_Surface* converted = plainCopy(source, pixelFormatOf(format));
    if (converted == nullptr) {
        return nullptr;
    }
    const bool toAlpha = format->Amask != 0;
    const Uint32 flags = source->flags;
    if ((flags & surfaceColourKey) != 0 && toAlpha) {
        keyToAlpha(source, converted);
    }
    const bool blends =
        toAlpha ? source->format->Amask != 0 || (flags & (surfaceSourceAlpha | surfaceColourKey)) != 0
                : source->format->Amask == 0 && (flags & surfaceSourceAlpha) != 0;
    if (blends) {
        keepSurfaceAlpha(source, converted);
    }
    return converted;
}

SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    return convertForDisplay(surface, false);
}

SDL_Surface* SDL_DisplayFormatAlpha(SDL_Surface* surface) {
    return convertForDisplay(surface, true);
}

int SDL_SetAlpha(SDL_Surface* surface, Uint32 flag, Uint8 alpha) {
    if (surface == nullptr) {
        return -1;
    }
    if ((flag & surfaceSourceAlpha) != 0) {
        surface->flags |= surfaceSourceAlpha;
        // With an alpha channel the surface's own value is not used, and reads back as opaque.
        surface->format->alpha = surface->format->Amask != 0 ? SDL_ALPHA_OPAQUE : alpha;
    } else {
        surface->flags &= ~surfaceSourceAlpha;
        surface->format->alpha = SDL_ALPHA_OPAQUE;
    }
    applyBlending(surface);
    return 0;
}

int SDL_SetColorKey(SDL_Surface* surface, Uint32 flag, Uint32 key) {
    if (surface == nullptr) {
        return -1;
    }
    if ((flag & surfaceColourKey) != 0) {
        surface->flags |= surfaceColourKey;
        surface->format->colorkey = key;
    } else {
        surface->flags &= ~surfaceColourKey;
        surface->format->colorkey = 0;
    }
    applyBlending(surface);
    return 0;
}

SDL_bool SDL_SetClipRect(SDL_Surface* surface, const SDL_Rect* rect) {
    if (surface == nullptr) {
        return SDL_FALSE;
    }
    const SDL_Rect whole = wholeOf(surface);
    if (rect == nullptr) {
        surface->clip_rect = whole;
        return SDL_TRUE;
    }
    return intersect(*rect, whole, surface->clip_rect) ? SDL_TRUE : SDL_FALSE;
}

void SDL_GetClipRect(SDL_Surface* surface, SDL_Rect* rect) {
    if (surface != nullptr && rect != nullptr) {
        *rect = surface->clip_rect;
    }
}

Uint32 SDL_MapRGB(const SDL_PixelFormat* format, Uint8 r, Uint8 g, Uint8 b) {
    if (format->palette != nullptr) {
        return nearestIndex(*format->palette, r, g, b);
    }
    return (Uint32{r} >> format->Rloss) << format->Rshift | (Uint32{g} >> format->Gloss) << format->Gshift |
           (Uint32{b} >> format->Bloss) << format->Bshift | format->Amask;
}

Uint32 SDL_MapRGBA(const SDL_PixelFormat* format, Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    if (format->palette != nullptr) {
        return nearestIndex(*format->palette, r, g, b);
    }
    return (Uint32{r} >> format->Rloss) << format->Rshift | (Uint32{g} >> format->Gloss) << format->Gshift |
           (Uint32{b} >> format->Bloss) << format->Bshift |
           ((Uint32{a} >> format->Aloss) << format->Ashift & format->Amask);
}

void SDL_GetRGBA(Uint32 pixel, const SDL_PixelFormat* format, Uint8* r, Uint8* g, Uint8* b, Uint8* a) {
    if (format->palette != nullptr) {
        const SDL_Color& colour = format->palette->colors[pixel % format->palette->ncolors];
        *r = colour.r;
        *g = colour.g;
        *b = colour.b;
        *a = SDL_ALPHA_OPAQUE;
        return;
    }
    *r = channelOf(pixel, format->Rmask, format->Rshift, format->Rloss, 0);
    *g = channelOf(pixel, format->Gmask, format->Gshift, format->Gloss, 0);
    *b = channelOf(pixel, format->Bmask, format->Bshift, format->Bloss, 0);
    *a = channelOf(pixel, format->Amask, format->Ashift, format->Aloss, SDL_ALPHA_OPAQUE);
}

void SDL_GetRGB(Uint32 pixel, const SDL_PixelFormat* format, Uint8* r, Uint8* g, Uint8* b) {
    Uint8 a;
    SDL_GetRGBA(pixel, format, r, g, b, &a);
}

int SDL_FillRect(SDL_Surface* surface, SDL_Rect* rect, Uint32 colour) {
    if (surface == nullptr) {
        ::SDL_SetError("No surface to fill");
        return -1;
    }
    SDL_Rect area = surface->clip_rect;
    if (rect != nullptr) {
        if (!intersect(*rect, surface->clip_rect, *rect)) {
            return 0;
        }
        area = *rect;
    }
    const ::SDL_Rect native = {area.x, area.y, area.w, area.h};
    return ::SDL_FillRect(nativeOf(surface), &native, colour) == 0 ? 0 : -1;
}

int(SDL_SaveBMP)(SDL_Surface* surface, const char* file) {
    return ::SDL_SaveBMP_RW(nativeOf(surface), ::SDL_RWFromFile(file, "wb"), 1);
}

} // namespace sdl12
