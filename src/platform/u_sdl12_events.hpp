// SDL 1.2's events, with 1.2's numbering and layouts, made from SDL2's; and the state read beside them
// (key repeat, mouse, modifiers).
#pragma once

#include "platform/u_sdl12_event_types.hpp"

namespace sdl12 {

void SDL_PumpEvents();
int SDL_PollEvent(SDL_Event* event);
// 0 on success, -1 when the queue is full, as in 1.2.
int SDL_PushEvent(SDL_Event* event);

// SDL2 has no such call: the layer makes the repeats itself, while events are pumped.
int SDL_EnableKeyRepeat(int delay, int interval);
void SDL_GetKeyRepeat(int* delay, int* interval);

// The mouse as the events taken so far left it, in window coordinates.
Uint8 SDL_GetMouseState(int* x, int* y);

// Forgets queued events and held keys; the video layer calls it when SDL stops.
void resetEvents();

} // namespace sdl12
