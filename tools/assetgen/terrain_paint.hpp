// Paints a terrain from its solid field: textured body darker deeper down, a surface layer
// following the top edge, a dark rim and a soft alpha edge.
#pragma once

#include "colour.hpp"
#include "image.hpp"
#include "terrain_field.hpp"

#include <cstdint>

enum class TSurface : std::uint8_t { Grass, Snow, Sand };

struct TTerrainStyle {
    TColour body; // the main body colour near the surface
    TColour deep; // what the body turns into far down
    TSurface surface;
    bool strata = false; // horizontal layers, for rock and sandstone
    bool roots = false;  // roots hanging under grass
    std::uint32_t seed = 1;
};

// The whole picture, a band of rows at a time: only the field and a band are held.
void paintTerrainRows(const TField& field, const TTerrainStyle& style, const TRowSink& sink);
TImage paintTerrain(const TField& field, const TTerrainStyle& style);
