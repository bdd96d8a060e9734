// SDL 1.2's surfaces, pixel formats and rectangles, kept as the game sees them and backed by SDL2 surfaces.
#pragma once

#include <SDL2/SDL_error.h>
#include <SDL2/SDL_rwops.h>
#include <SDL2/SDL_stdinc.h>

namespace sdl12 {

// The 1.2 surface flags the game meets.
inline constexpr Uint32 surfaceSoftware = 0x00000000;
inline constexpr Uint32 surfaceColourKey = 0x00001000;
inline constexpr Uint32 surfaceSourceAlpha = 0x00010000;
inline constexpr Uint32 surfacePreallocated = 0x01000000;
inline constexpr Uint32 surfaceFullscreen = 0x80000000;

struct SDL_Rect {
    Sint16 x, y;
    Uint16 w, h;
};

struct SDL_Color {
    Uint8 r, g, b, unused;
};

struct SDL_Palette {
    int ncolors;
    SDL_Color* colors;
};

struct SDL_PixelFormat {
    SDL_Palette* palette;
    Uint8 BitsPerPixel;
    Uint8 BytesPerPixel;
    Uint8 Rloss, Gloss, Bloss, Aloss;
    Uint8 Rshift, Gshift, Bshift, Ashift;
    Uint32 Rmask, Gmask, Bmask, Amask;
    // The colour key and the per-surface alpha live in the format, as in 1.2.
    Uint32 colorkey;
    Uint8 alpha;
};

struct SDL_Surface {
    Uint32 flags;
    SDL_PixelFormat* format;
    int w, h;
    Uint16 pitch;
    void* pixels;
    int offset;
    SDL_Rect clip_rect;
    Uint32 locked;
    int refcount;
};

SDL_Surface* SDL_CreateRGBSurface(Uint32 flags, int width, int height, int depth, Uint32 Rmask, Uint32 Gmask,
                                  Uint32 Bmask, Uint32 Amask);
SDL_Surface* SDL_CreateRGBSurfaceFrom(void* pixels, int width, int height, int depth, int pitch, Uint32 Rmask,
                                      Uint32 Gmask, Uint32 Bmask, Uint32 Amask);
void SDL_FreeSurface(SDL_Surface* surface);
int SDL_LockSurface(SDL_Surface* surface);
void SDL_UnlockSurface(SDL_Surface* surface);

SDL_Surface* SDL_ConvertSurface(SDL_Surface* source, const SDL_PixelFormat* format, Uint32 flags);
SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface);
SDL_Surface* SDL_DisplayFormatAlpha(SDL_Surface* surface);

// The one video surface, which SDL_FreeSurface leaves alone and whose format the display formats take; the
// video layer sets it.
SDL_Surface* SDL_GetVideoSurface();
void setVideoSurface(SDL_Surface* screen);

int SDL_SetAlpha(SDL_Surface* surface, Uint32 flag, Uint8 alpha);
int SDL_SetColorKey(SDL_Surface* surface, Uint32 flag, Uint32 key);
SDL_bool SDL_SetClipRect(SDL_Surface* surface, const SDL_Rect* rect);
void SDL_GetClipRect(SDL_Surface* surface, SDL_Rect* rect);

Uint32 SDL_MapRGB(const SDL_PixelFormat* format, Uint8 r, Uint8 g, Uint8 b);
Uint32 SDL_MapRGBA(const SDL_PixelFormat* format, Uint8 r, Uint8 g, Uint8 b, Uint8 a);
void SDL_GetRGB(Uint32 pixel, const SDL_PixelFormat* format, Uint8* r, Uint8* g, Uint8* b);
void SDL_GetRGBA(Uint32 pixel, const SDL_PixelFormat* format, Uint8* r, Uint8* g, Uint8* b, Uint8* a);

// Fills the rectangle (the whole surface for nullptr) cut to the clip rectangle, and leaves the cut
// rectangle in *rect, as 1.2 does.
int SDL_FillRect(SDL_Surface* surface, SDL_Rect* rect, Uint32 colour);

// In parentheses: SDL2 has a macro of that name.
int(SDL_SaveBMP)(SDL_Surface* surface, const char* file);

} // namespace sdl12
