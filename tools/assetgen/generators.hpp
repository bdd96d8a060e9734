// The generators of each kind of data; each writes its files under the data directory it is given.
#pragma once

#include <filesystem>

// Fonts, sprites, menu pictures and maps (directories fonts, game-images, other-images, maps).
void generatePictures(const std::filesystem::path& dataDirectory);
// Sound effects and music (directory noise).
void generateSounds(const std::filesystem::path& dataDirectory);
