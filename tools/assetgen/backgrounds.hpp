// Opaque sky pictures behind the terrain (back_*.png): gradient, sun or moon, clouds, far hills fading into
// haze.
#pragma once

#include "picture_set.hpp"

#include <cstdint>

enum class TSkyKind : std::uint8_t { Day, Sunset, Night };

TImage skyPicture(TSkyKind kind, int width, int height, std::uint32_t seed);
void addBackgroundPictures(TPictureSet& set);
