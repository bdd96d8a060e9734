// The SDL 1.2 that the game is written against, as a thin layer over SDL2 (built with MORVATEK_SDL2).
// It covers what the game, its tools, tests and benchmarks call, and nothing more:
// - start and stop, one 800 x 600 video surface in a window or full screen, caption and icon;
// - events with 1.2's numbering (keys, mouse, quit, input focus), key repeat made by the layer, the mouse
//   and modifier states;
// - software surfaces in 1.2's layout, pixel formats, fills, clip rectangles, conversions to the display
//   format, and blits by 1.2's rules (per-pixel alpha, surface alpha, colour keys; a blend keeps the
//   destination's alpha);
// - with SDL_image.h, SDL_mixer.h and SDL_rotozoom.h beside it: picture loading, the mixer (SDL2_mixer's
//   own calls) and SDL_gfx's rotation and zoom.
// Timing, errors, byte order and file streams are SDL2's own, whose calls are the same.
#pragma once

#include "platform/u_sdl12_blit.hpp"
#include "platform/u_sdl12_events.hpp"
#include "platform/u_sdl12_keys.hpp"
#include "platform/u_sdl12_surface.hpp"
#include "platform/u_sdl12_video.hpp"

#include <SDL2/SDL_endian.h>
#include <SDL2/SDL_error.h>
#include <SDL2/SDL_rwops.h>
#include <SDL2/SDL_stdinc.h>
#include <SDL2/SDL_timer.h>

// The game's code names 1.2's types and calls without a namespace; the layer keeps them in one so that its
// own sources can use SDL2's of the same names.
using namespace sdl12;

#define SDL_INIT_TIMER 0x00000001
#define SDL_INIT_AUDIO 0x00000010
#define SDL_INIT_VIDEO 0x00000020
#define SDL_INIT_EVERYTHING 0x0000FFFF

#define SDL_SWSURFACE sdl12::surfaceSoftware
#define SDL_SRCCOLORKEY sdl12::surfaceColourKey
#define SDL_SRCALPHA sdl12::surfaceSourceAlpha
#define SDL_PREALLOC sdl12::surfacePreallocated
#define SDL_FULLSCREEN sdl12::surfaceFullscreen
#define SDL_ALPHA_OPAQUE 255
#define SDL_ALPHA_TRANSPARENT 0
// The layer's surfaces live in memory and are never run-length encoded.
#define SDL_MUSTLOCK(surface) ((surface)->offset != 0)
#define SDL_BlitSurface SDL_UpperBlit

#define SDL_APPMOUSEFOCUS sdl12::appMouseFocus
#define SDL_APPINPUTFOCUS sdl12::appInputFocus
#define SDL_APPACTIVE sdl12::appActive
#define SDL_PRESSED sdl12::buttonPressed
#define SDL_RELEASED sdl12::buttonReleased
#define SDL_BUTTON(index) (1 << ((index)-1))
#define SDL_BUTTON_LEFT sdl12::buttonLeft
#define SDL_BUTTON_MIDDLE sdl12::buttonMiddle
#define SDL_BUTTON_RIGHT sdl12::buttonRight
#define SDL_BUTTON_WHEELUP sdl12::buttonWheelUp
#define SDL_BUTTON_WHEELDOWN sdl12::buttonWheelDown
#define SDL_BUTTON_X1 sdl12::buttonX1
#define SDL_BUTTON_X2 sdl12::buttonX2

#define KMOD_CTRL (KMOD_LCTRL | KMOD_RCTRL)
#define KMOD_SHIFT (KMOD_LSHIFT | KMOD_RSHIFT)
#define KMOD_ALT (KMOD_LALT | KMOD_RALT)
#define KMOD_META (KMOD_LMETA | KMOD_RMETA)
