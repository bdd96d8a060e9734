// Opaque sky pictures behind the terrain (back_*.png): gradient, sun or moon, clouds, far hills fading into
// haze.
#pragma once

#include "picture_set.hpp"

#include <cstdint>
#include <optional>
#include <string>

enum class TSkyKind : std::uint8_t { Day, Sunset, Night };

// "day", "sunset" or "night"; nothing for any other name.
std::optional<TSkyKind> skyKindNamed(const std::string& name);
// The style names for a message, as "a, b or c".
std::string skyStyleChoices();
// The sky handed over a row at a time, so that a large one is never held whole.
void paintSkyPicture(TSkyKind kind, int width, int height, std::uint32_t seed, const TRowSink& sink);
TImage skyPicture(TSkyKind kind, int width, int height, std::uint32_t seed);
void addBackgroundPictures(TPictureSet& set);
