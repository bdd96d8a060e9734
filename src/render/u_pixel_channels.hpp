// The channels of pixel values in a surface's format, read and packed directly when the format has a whole
// byte per channel (every picture in the display's format has), through SDL otherwise: loops over every
// pixel of a picture call no library function per pixel.
#pragma once

#include <SDL.h>

struct TRgbaBytes {
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
    Uint8 a = 0;
};

class TPixelChannels {
public:
    explicit TPixelChannels(SDL_PixelFormat* format)
        : format_(format), whole_(format->Rloss == 0 && format->Gloss == 0 && format->Bloss == 0 &&
                                  (format->Amask == 0 || format->Aloss == 0)) {}

    // A format without alpha reads as opaque.
    TRgbaBytes of(Uint32 pixel) const {
        TRgbaBytes c;
        if (!whole_) {
            SDL_GetRGBA(pixel, format_, &c.r, &c.g, &c.b, &c.a);
            return c;
        }
        const SDL_PixelFormat& f = *format_;
        c.r = static_cast<Uint8>((pixel & f.Rmask) >> f.Rshift);
        c.g = static_cast<Uint8>((pixel & f.Gmask) >> f.Gshift);
        c.b = static_cast<Uint8>((pixel & f.Bmask) >> f.Bshift);
        c.a = f.Amask == 0 ? Uint8{SDL_ALPHA_OPAQUE} : static_cast<Uint8>((pixel & f.Amask) >> f.Ashift);
        return c;
    }

    // A format without alpha drops it.
    Uint32 pixel(TRgbaBytes c) const {
        if (!whole_) {
            return SDL_MapRGBA(format_, c.r, c.g, c.b, c.a);
        }
        const SDL_PixelFormat& f = *format_;
        return Uint32{c.r} << f.Rshift | Uint32{c.g} << f.Gshift | Uint32{c.b} << f.Bshift |
               (f.Amask == 0 ? 0U : Uint32{c.a} << f.Ashift);
    }

private:
    SDL_PixelFormat* format_;
    bool whole_;
};
