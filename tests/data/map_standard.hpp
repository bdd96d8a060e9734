// The standard every terrain picture meets, shipped or made by the generator for a player.
#pragma once

#include <SDL.h>

#include <string>

// Solid share of 15-75 %; on 1600 x 1000 and more, room for 4 x 300 tumboks (as many places to stand as the
// placement draws from); anti-aliased edges; no half-transparent pixel farther than 6 pixels from a solid
// one.
void expectTerrainStandard(SDL_Surface* terrain, const std::string& name);
