// Encoding a picture as PNG bytes: RGBA or RGB, no time stamp, so equal pictures give equal bytes.
#pragma once

#include "image.hpp"

#include <cstdint>
#include <vector>

enum class TPngKind : std::uint8_t { PngOpaque, PngAlpha };

std::vector<std::uint8_t> encodePng(const TImage& image, TPngKind kind);
