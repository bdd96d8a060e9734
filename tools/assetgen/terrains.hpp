// The terrain maps (fore_*.png), each with its own character, all larger than the window.
#pragma once

#include "picture_set.hpp"
#include "terrain_field.hpp"

#include <string>

struct TTerrainMap {
    std::string name;
    TImage image;
    float solidShare;
};

TField basicField();   // grassy rolling hills, a bridge over a gap, a tunnel and a floating island
TField snowField();    // snowy peaks with overhangs and caves
TField desertField();  // flat-topped mesas with a rope bridge
TField islandsField(); // floating islands over the void
TField cavesField();   // a cave world under a thin grassy crust

void addTerrainPictures(TPictureSet& set);
