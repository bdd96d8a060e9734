// The generated pictures in memory, each with its place under data/ and its PNG kind.
#pragma once

#include "image.hpp"
#include "png_writer.hpp"

#include <string>
#include <vector>

struct TPicture {
    std::string category; // "fonts", "game-images", "maps" or "other-images"
    std::string name;
    TImage image;
    TPngKind kind;
};

using TPictureSet = std::vector<TPicture>;

// Every picture of the game, in a fixed order.
TPictureSet buildAllPictures();
