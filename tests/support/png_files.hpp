// Writing PNG files of every kind a player may drop into data/maps, pixel by pixel, for the loader tests.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>

enum class TPngLayout : std::uint8_t { Rgba8, Palette, Grey8, GreyAlpha8, Rgba16, Rgba8Interlaced };

// Writes a width x height PNG of the given layout whose pixel (x, y) has the alpha alphaAt(x, y) (0..255).
// Layouts without an alpha channel keep the rule their own way: Grey8 is opaque everywhere, Palette has one
// entry per alpha level in use, with that alpha in its transparency table.
void writePng(const std::string& path, TPngLayout layout, int width, int height,
              const std::function<std::uint8_t(int x, int y)>& alphaAt);

// A terrain of the given size: air in the upper half, ground below.
void writeGroundPng(const std::string& path, int width, int height);

// A 32-bit surface's colours as an opaque RGB PNG, as the data files are kept: what a test draws, the loaders
// read.
void writeSurfacePng(const std::string& path, SDL_Surface* picture);

// A black one-bit PNG: a few kilobytes on disk however large it says it is, and width x height bytes or more
// once decoded.
void writeBlankPng(const std::string& path, int width, int height);
