// The mixer: SDL2_mixer's calls are those of SDL_mixer 1.2 that the game makes, and take SDL2's file
// streams, which the layer hands out unchanged (see SDL.h).
#pragma once

#include <SDL.h>

#include <SDL2/SDL_mixer.h>
