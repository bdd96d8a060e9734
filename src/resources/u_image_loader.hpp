// Loading pictures, sound samples and music from the data directory.
#pragma once

#include "resources/u_data_files.hpp"
#include "resources/u_resource_paths.hpp"
#include "resources/u_sdl_handles.hpp"

#include <cstdint>
#include <string>

// A set of two flags; opaque wins when both are given.
enum class TImageConversion : std::uint8_t { ConversionNone = 0, ConversionOpaque = 1, ConversionAlpha = 2 };

constexpr TImageConversion operator|(TImageConversion a, TImageConversion b) {
    return static_cast<TImageConversion>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr bool hasConversion(TImageConversion set, TImageConversion flag) {
    return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(flag)) != 0;
}

// Never null: a picture that cannot be decoded or converted prints "Loading <path> failed." and gives 0 x 0.
// Only a PNG whose header declares a size within the bound is decoded; any other file fails unread.
SurfacePtr loadImage(const std::string& path, TImageConversion conversion, TPictureSize bound = pictureBound);
SurfacePtr loadFontImage(const std::string& name);
SurfacePtr loadGameImage(const std::string& name);
SurfacePtr loadFlag(int flagNumber, TFlagSize size);
// Map pictures, terrains and skies alike, take the larger bound of the maps.
SurfacePtr loadMapImage(const std::string& name, TImageConversion conversion);
SurfacePtr loadOtherImage(const std::string& name, TImageConversion conversion);

// Null, silently, when the file is missing or the mixer cannot decode it.
ChunkPtr loadSound(const std::string& name);
MusicPtr loadMusic(const std::string& name);
