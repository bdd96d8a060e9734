// SDL 1.2's start and stop, and its one video surface shown in an SDL2 window.
#pragma once

#include "platform/u_sdl12_surface.hpp"

namespace sdl12 {

int SDL_Init(Uint32 flags);
int SDL_InitSubSystem(Uint32 flags);
void SDL_Quit();
// Copies the name of the video driver in use into namebuf; null before video has started.
char* SDL_VideoDriverName(char* namebuf, int maxlen);

// A window of that size (full screen when asked, scaled to the desktop) and the surface the game draws
// into; bitsPerPixel is always taken as 32.
SDL_Surface* SDL_SetVideoMode(int width, int height, int bitsPerPixel, Uint32 flags);
// Shows the video surface; the window always receives all of it.
void SDL_UpdateRect(SDL_Surface* screen, Sint32 x, Sint32 y, Uint32 w, Uint32 h);
int SDL_Flip(SDL_Surface* screen);

void SDL_WM_SetCaption(const char* title, const char* icon);
void SDL_WM_GetCaption(char** title, char** icon);
void SDL_WM_SetIcon(SDL_Surface* icon, Uint8* mask);

} // namespace sdl12
