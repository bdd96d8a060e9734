// The terrain maps (fore_*.png), each style with its own character. The shipped maps are fixed layouts of
// the styles; players get new layouts of any style from a seed, at any size from the window's up.
#pragma once

#include "picture_set.hpp"
#include "terrain_paint.hpp"

#include <cstdint>
#include <optional>
#include <string>

enum class TTerrainKind : std::uint8_t {
    Hills,   // grassy rolling hills, bridges over gaps, tunnels and floating islands
    Peaks,   // snowy peaks with overhangs and caves
    Mesas,   // flat-topped mesas with rope bridges
    Islands, // floating islands over the void
    Caves    // a cave world under a thin grassy crust
};

// "hills", "peaks", "mesas", "islands" or "caves"; nothing for any other name.
std::optional<TTerrainKind> terrainKindNamed(const std::string& name);
// The style names for a message, as "a, b or c".
std::string terrainStyleChoices();
// A new layout of the style drawn from the seed, handed over a row at a time: the same seed and size give the
// same picture.
void paintTerrainPicture(TTerrainKind kind, std::uint32_t seed, int width, int height, const TRowSink& sink);
void addTerrainPictures(TPictureSet& set);
